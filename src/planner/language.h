#pragma once
// The planner programs' words in the user's language. The calculator window never loads these:
// it keeps its own English captions and messages in every locale.

#include <QLocale>
#include <QStringList>
#include <QTranslator>

#include <initializer_list>
#include <memory>
#include <vector>

namespace vkp2::planner {

namespace catalogues {
// The translations compiled into the programs, by file name without language.
inline constexpr const char kEngine[] = "vkp2_planner"; // engine, storage, calculator messages
inline constexpr const char kCommandLine[] = "vkp2plan";
inline constexpr const char kWindow[] = "vkp2_planner_window";
// Qt's own words (standard buttons, file dialogs, edit menus), from the system's Qt if present.
inline constexpr const char kQt[] = "qtbase";
} // namespace catalogues

// Installs, for as long as it lives, the translations that match the locale's languages; a
// language with no translation leaves the English source words.
class Language {
public:
    Language(const QLocale &locale, std::initializer_list<const char *> names);
    ~Language();
    Language(const Language &) = delete;
    Language &operator=(const Language &) = delete;

    // The catalogues found, e.g. {"vkp2plan"}; empty in English.
    QStringList loaded() const { return loaded_; }

private:
    std::vector<std::unique_ptr<QTranslator>> translators_;
    QStringList loaded_;
};

} // namespace vkp2::planner
