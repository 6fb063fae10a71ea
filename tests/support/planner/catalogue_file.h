#pragma once
// Test helper: a Qt Linguist catalogue (.ts) read as its entries, for the suites that check the
// German against the code and the built programs.

#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

namespace vkp2::test {

struct CatalogueEntry {
    QString context;
    QString source;
    QStringList forms; // one translation, or the numerus forms
    QString type;      // "", "unfinished", "vanished", "obsolete"
    bool numerus = false;
    QString key() const { return context + QLatin1Char('|') + source; }
};

inline QList<CatalogueEntry> readCatalogue(const QString &path, QString *problem = nullptr)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        if (problem)
            *problem = QStringLiteral("cannot open ") + path;
        return {};
    }
    QList<CatalogueEntry> out;
    QString context;
    QXmlStreamReader xml(&f);
    CatalogueEntry e;
    bool inMessage = false;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement && xml.name() == QLatin1String("message")) {
            out << e;
            inMessage = false;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("message")) {
            e = CatalogueEntry{};
            e.context = context;
            e.numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
            inMessage = true;
        } else if (name == QLatin1String("name") && !inMessage) {
            context = xml.readElementText();
        } else if (name == QLatin1String("source") && inMessage) {
            e.source = xml.readElementText();
        } else if (name == QLatin1String("translation") && inMessage) {
            e.type = xml.attributes().value(QLatin1String("type")).toString();
            if (!e.numerus)
                e.forms << xml.readElementText();
        } else if (name == QLatin1String("numerusform") && inMessage) {
            e.forms << xml.readElementText();
        }
    }
    if (xml.hasError() && problem)
        *problem = path + QStringLiteral(": ") + xml.errorString();
    return out;
}

} // namespace vkp2::test
