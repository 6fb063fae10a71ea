#include "widgets/planner_window/open_in_calculator.h"

#include "planner/setup_fields.h"
#include "storage/calculator_instance.h"
#include "storage/setup_location.h"
#include "storage/user_equipment_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>

#include <algorithm>

namespace vkp2::planner_window {

namespace {

struct OpenInCalculatorWords {
    Q_DECLARE_TR_FUNCTIONS(OpenInCalculator)
};

const QString kCalculatorProgram = QStringLiteral("vkp2calc");

} // namespace

QString calculatorProgram()
{
    const QString beside = QStandardPaths::findExecutable(kCalculatorProgram, {QCoreApplication::applicationDirPath()});
    return beside.isEmpty() ? QStandardPaths::findExecutable(kCalculatorProgram) : beside;
}

bool startCalculator(QString *problem)
{
    const QString program = calculatorProgram();
    if (program.isEmpty()) {
        *problem = OpenInCalculatorWords::tr("no %1 beside the planner or on the PATH").arg(kCalculatorProgram);
        return false;
    }
    if (!QProcess::startDetached(program, {})) {
        *problem = OpenInCalculatorWords::tr("%1 did not start").arg(QDir::toNativeSeparators(program));
        return false;
    }
    return true;
}

OpenedInCalculator openInCalculator(const planner::Setup &setup, const CalculatorStarter &start)
{
    OpenedInCalculator out;
    if (storage::calculatorRunning()) {
        out.message = OpenInCalculatorWords::tr("A calculator is running already; close it and try again. Nothing was written.");
        return out;
    }
    const QString path = storage::userEquipmentFilePath(storage::FolderCreation::Create);
    const UserData data = setup.toUserData();
    int last = 0;
    for (const planner::SetupFieldInfo &f : planner::kSetupFields)
        last = std::max(last, f.fileLine);
    // Slot 0 is no line of the file.
    const QStringList lines(data.begin() + 1, data.begin() + 1 + last);
    if (!storage::writeUserEquipmentFile(path, lines)) {
        out.message = OpenInCalculatorWords::tr("The setup could not be written to %1.").arg(QDir::toNativeSeparators(path));
        return out;
    }
    out.written = true;
    QString why;
    out.started = start(&why);
    out.message = out.started
                      ? OpenInCalculatorWords::tr("The calculator was started with this setup (%1).").arg(QDir::toNativeSeparators(path))
                      : OpenInCalculatorWords::tr("The setup was written to %1, but the calculator could not be started: %2.")
                            .arg(QDir::toNativeSeparators(path), why);
    return out;
}

} // namespace vkp2::planner_window
