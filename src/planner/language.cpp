#include "planner/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>

#include <cstring>

namespace vkp2::planner {

Language::Language(const QLocale &locale, std::initializer_list<const char *> names)
{
    for (const char *name : names) {
        auto translator = std::make_unique<QTranslator>();
        const QString file = QString::fromLatin1(name);
        // Ours are compiled in; Qt's come with the system's Qt, when its translations are there.
        const QString folder = std::strcmp(name, catalogues::kQt) == 0
                                   ? QLibraryInfo::path(QLibraryInfo::TranslationsPath)
                                   : QStringLiteral(":/i18n");
        // An English locale finds nothing and keeps the source words, as it should.
        if (!translator->load(locale, file, QStringLiteral("_"), folder))
            continue;
        if (!QCoreApplication::installTranslator(translator.get()))
            continue;
        loaded_ << file;
        translators_.push_back(std::move(translator));
    }
}

Language::~Language()
{
    for (const std::unique_ptr<QTranslator> &t : translators_)
        QCoreApplication::removeTranslator(t.get());
}

} // namespace vkp2::planner
