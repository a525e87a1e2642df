#include "gui/editors/editorcontrols.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QValidator>
#include <algorithm>

#include "core/model/channelediting.h"
#include "gui/kit/messagebox.h"

namespace {

constexpr int kEditFrame = 12;
constexpr int kVisibleListItems = 16;

// Shows whatever is typed, pasted or set in upper case.
class TUpperCaseValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        input = input.toUpper();
        return Acceptable;
    }
};

// Lets a handler see the key presses of a widget first.
class TKeyFilter : public QObject {
public:
    TKeyFilter(QWidget* widget, std::function<bool(QKeyEvent*)> handler)
        : QObject(widget), Handler(std::move(handler)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
        return Handler(static_cast<QKeyEvent*>(event));
    }

private:
    std::function<bool(QKeyEvent*)> Handler;
};

// A key that types a character into an edit, as opposed to editing and moving keys
// (Backspace, Delete, arrows) and shortcuts (copy, paste).
bool TypesCharacter(const QKeyEvent* key) {
    const QString text = key->text();
    if (text.isEmpty() || !text.front().isPrint()) return false;
    return (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) == 0;
}

char AsciiOf(QChar c) {
    return c.unicode() < 128 ? static_cast<char>(c.unicode()) : '\0';
}

char Capital(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

void TellInvalidCharacter(QWidget* parent) {
    ShowMessage(parent, QString::fromLatin1(kInvalidCharacterMessage), TMessageStyle::Information);
}

}  // namespace

QString EditorText(const char* caption) {
    return QCoreApplication::translate("Editors", caption);
}

QString TextOf(const std::string& text) {
    return QString::fromStdString(text);
}

QLineEdit* MakeEdit(QWidget* parent, int length, int help) {
    auto* edit = new QLineEdit(parent);
    edit->setMaxLength(length);
    // Room for the longest text and the frame around it.
    const int room = edit->fontMetrics().horizontalAdvance(QString(length + 1, QLatin1Char('0')));
    edit->setFixedWidth(room + kEditFrame);
    SetHelpContext(edit, help);
    return edit;
}

QLineEdit* MakeUpperCaseEdit(QWidget* parent, int length, int help) {
    QLineEdit* edit = MakeEdit(parent, length, help);
    edit->setValidator(new TUpperCaseValidator(edit));
    return edit;
}

QComboBox* MakeList(QWidget* parent, int help) {
    auto* list = new QComboBox(parent);
    list->setMaxVisibleItems(kVisibleListItems);
    SetHelpContext(list, help);
    return list;
}

void FillList(QComboBox* list, const std::vector<std::string>& texts) {
    for (const std::string& text : texts) list->addItem(TextOf(text));
}

QLabel* MakeLabel(const char* caption, QWidget* parent, QWidget* buddy) {
    auto* label = new QLabel(EditorText(caption), parent);
    if (buddy) {
        label->setBuddy(buddy);
        SetHelpContext(label, HelpContextOf(buddy));
    }
    return label;
}

void KeepDesignNames(std::initializer_list<std::pair<QObject*, const char*>> names) {
    for (const auto& [control, name] : names) control->setObjectName(QLatin1String(name));
}

void ChainTabOrder(std::initializer_list<QWidget*> order) {
    QWidget* previous = nullptr;
    for (QWidget* widget : order) {
        if (previous) QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

void FilterKeys(QWidget* widget, std::function<bool(QKeyEvent*)> handler) {
    widget->installEventFilter(new TKeyFilter(widget, std::move(handler)));
}

bool IsEnterKey(const QKeyEvent* key) {
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

bool TypesNonNumber(const QKeyEvent* key) {
    if (!TypesCharacter(key)) return false;
    const char c = AsciiOf(key->text().front());
    return !((c >= '0' && c <= '9') || c == '.');
}

bool RefuseCharacterKey(QWidget* parent, const QKeyEvent* key, bool (*allowed)(char)) {
    if (!TypesCharacter(key)) return false;
    // Small letters are let through: the edit shows them in capitals.
    if (allowed(Capital(AsciiOf(key->text().front())))) return false;
    TellInvalidCharacter(parent);
    return true;
}

void ClearInvalidText(QLineEdit* edit, bool (*allowed)(char)) {
    const QString text = edit->text();
    if (std::all_of(text.begin(), text.end(), [allowed](QChar c) { return allowed(AsciiOf(c)); })) {
        return;
    }
    TellInvalidCharacter(edit->window());
    const QSignalBlocker blocker(edit);
    edit->clear();
}
