#pragma once
// The toolkit contract: the few operations the calculator performs on the window's controls.
// These interfaces carry no widget types, so the calculation and catalogue code can be read
// (and reasoned about) without Qt Widgets in mind. The widget-backed implementations in
// widget_controls.h hold the two nesting rules:
//   - a program write of a field's text runs the field's change handler at once, before the
//     writer goes on; writing the text the field already shows runs nothing;
//   - setting a list's shown text to one of its entries selects it and runs the list's choose
//     handler at once, exactly as a user's choice would.

#include <QString>

namespace vkp2 {

class TextField {
public:
    virtual ~TextField() = default;
    virtual QString text() const = 0;
    virtual void setText(const QString &text) = 0;
    virtual bool isEnabled() const = 0;
    virtual void setEnabled(bool enabled) = 0;
};

class ChoiceList {
public:
    virtual ~ChoiceList() = default;
    // The shown entry's text; empty before any choice.
    virtual QString text() const = 0;
    // Selects the entry whose text equals `text` exactly (case-sensitive) and runs the choose
    // handler. A text that is no entry selects nothing and runs nothing; returns whether it matched.
    virtual bool setText(const QString &text) = 0;
    virtual void addItem(const QString &text) = 0;
    virtual int count() const = 0;
    virtual bool isEnabled() const = 0;
    virtual void setEnabled(bool enabled) = 0;
};

enum class MessageIcon { None, Information, Critical };

// The one seam for message boxes: modal in the application, recorded in tests.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // An empty title stands for the application title, "VKP2".
    void show(const QString &text, const QString &title, MessageIcon icon);

protected:
    virtual void present(const QString &text, const QString &title, MessageIcon icon) = 0;
};

// The controls of the main window that the calculator reads and writes, by their role names.
struct Controls {
    TextField &Flength;
    TextField &Aperture;
    TextField &Fratio;
    TextField &Distance_tl;
    TextField &Distance_d;
    TextField &efl;
    TextField &efr;
    TextField &Pixelsize_width;
    TextField &Pixelsize_height;
    TextField &Chipsize_width;
    TextField &Chipsize_height;
    TextField &Fov_width;
    TextField &Fov_height;
    TextField &Pixelscale_width;
    TextField &Pixelscale_height;
    ChoiceList &Telescope;
    ChoiceList &Ocular;
    ChoiceList &Ccd;
    ChoiceList &Binning;
};

} // namespace vkp2
