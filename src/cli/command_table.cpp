#include "cli/command_table.h"

#include "cli/options.h"

#include <QCoreApplication>

namespace vkp2::cli {

namespace {

const QString kFormat = QStringLiteral("--format");
// A name or a search of several words.
constexpr int kMaxWords = 64;

QList<Command> makeTable()
{
    const QStringList setup = optionNames(OptionGroup::Setup) + optionNames(OptionGroup::Train);
    const QStringList advice = optionNames(OptionGroup::Advice);
    const QStringList oculars{QStringLiteral("--ocular")};
    const QStringList kitOptions = optionNames(OptionGroup::Kit)
                                   + QStringList{QStringLiteral("--design-spacing"), QStringLiteral("--focal-length"),
                                                 QStringLiteral("--aperture"), QStringLiteral("--pixel"),
                                                 QStringLiteral("--chip"), QStringLiteral("--colour"), kFormat};
    return {
        {"list", "telescopes|oculars|cameras", QT_TRANSLATE_NOOP("vkp2plan", "the presets and their values"), {kFormat}, {}, 1,
         &runList, nullptr},
        {"show", "[OPTIONS]", QT_TRANSLATE_NOOP("vkp2plan", "one setup: every box, sampling advice, target fit"),
         setup + advice + optionNames(OptionGroup::Night) + QStringList{kFormat}, {}, 0, &runShow,
         nullptr},
        {"table", "[OPTIONS]", QT_TRANSLATE_NOOP("vkp2plan", "one row per ocular and D (--kit: your kit; --all: every preset)"),
         setup + advice + optionNames(OptionGroup::Table) + QStringList{kFormat}, oculars, 0,
         &runTable, nullptr},
        {"solve", "GOAL [OPTIONS]", QT_TRANSLATE_NOOP("vkp2plan", "the D each ocular needs to reach a goal"),
         setup + optionNames(OptionGroup::Solve) + QStringList{kFormat}, oculars, 0, &runSolve, nullptr},
        {"find", "KIND TEXT...",
         QT_TRANSLATE_NOOP("vkp2plan", "your kit's and the database's entries that match"), {kFormat}, {}, kMaxWords, &runFind,
         QT_TRANSLATE_NOOP("vkp2plan",
         "KIND is cameras, telescopes, eyepieces or barlows; the words after it are the text.\n"
         "Case, accents and punctuation do not count.\n"
         "The kit's matches come first, then the database's, each best first.\n")},
        {"kit", "list|add|remove|import|export", QT_TRANSLATE_NOOP("vkp2plan", "your own equipment (kit.json)"),
         kitOptions, {}, kMaxWords, &runKit,
         QT_TRANSLATE_NOOP("vkp2plan",
         "  vkp2plan kit list [--format text|csv|json]\n"
         "  vkp2plan kit add telescope NAME --focal-length MM --aperture MM\n"
         "  vkp2plan kit add camera NAME --pixel W[xH] --chip WxH [--mono|--colour]\n"
         "                              [--binning-modes 1,2,3]\n"
         "  vkp2plan kit add barlow NAME --factor X [--design-spacing MM | --lens-focal-length MM]\n"
         "  vkp2plan kit add eyepiece NAME --focal-length MM [--apparent-field DEG] [--field-stop MM]\n"
         "  vkp2plan kit add KIND NAME                 (no values: the database's entry)\n"
         "  vkp2plan kit remove telescope|camera|barlow|eyepiece NAME\n"
         "  vkp2plan kit import FILE [--partial]       (kit.json, ocular.ini, OAL, KStars, N.I.N.A.)\n"
         "  vkp2plan kit export [--format json|ocular-ini|oal] FILE\n")},
        {"help", "[COMMAND]", QT_TRANSLATE_NOOP("vkp2plan", "this text, or one command's"), {}, {}, 1, &runHelp, nullptr},
    };
}

} // namespace

std::span<const Command> commandTable()
{
    static const QList<Command> table = makeTable();
    return table;
}

const Command *findCommand(const QString &name)
{
    for (const Command &c : commandTable()) {
        if (name == QLatin1String(c.name))
            return &c;
    }
    return nullptr;
}

QStringList commandNames()
{
    QStringList out;
    for (const Command &c : commandTable())
        out << QLatin1String(c.name);
    return out;
}

} // namespace vkp2::cli
