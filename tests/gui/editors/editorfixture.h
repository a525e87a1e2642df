#pragma once

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <memory>
#include <utility>
#include <vector>

#include "gui/pages/channelgrids.h"
#include "support/mainformfixture.h"

// The editors' messages, as the user reads them.
inline const QString kRevise = "The contents have been changed.\nDo you want to revise the change?";
inline const QString kRounded =
    "The frequency has been rounded to the nearest appropriate frequency.";
inline const QString kInvalidFrequency =
    "Invalid Frequency.\nPlease confirm the frequency and try again.";
inline const QString kInvalidOffset =
    "Invalid offset frequency.\nPlease confirm the offset frequency and try again.";
inline const QString kInvalidChannel = "Invalid channel Number.\nPlease check and try again.";
inline const QString kInvalidCharacter = "Invalid character.\nPlease check and try again.";

// Clicks a button where its check mark or text starts.
inline void Click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {},
                      QPoint(std::min(8, button->width() / 2), button->height() / 2));
}

// Selects the whole text and types over it.
inline void Retype(QLineEdit* edit, const QString& text) {
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty()) QTest::keyClick(edit, Qt::Key_Backspace);
    TypeText(edit, text);
}

// Walks a list to an item with the arrow keys.
inline void Choose(QComboBox* list, int index) {
    for (int keys = 0; keys < list->count() && list->currentIndex() != index; ++keys) {
        QTest::keyClick(list, list->currentIndex() < index ? Qt::Key_Down : Qt::Key_Up);
    }
}

// Opens a list, moves to one of its items and takes it with Enter: the list changes once.
inline void Pick(QComboBox* list, int index) {
    list->showPopup();
    QAbstractItemView* view = list->view();
    for (int keys = 0; keys < list->count() && view->currentIndex().row() != index; ++keys) {
        QTest::keyClick(view, view->currentIndex().row() < index ? Qt::Key_Down : Qt::Key_Up);
    }
    QTest::keyClick(view, Qt::Key_Return);
}

// Each design name ("Edit3") names exactly the control given for it in `dialog`.
inline void ExpectDesignNames(const QWidget& dialog,
                              const std::vector<std::pair<const char*, QWidget*>>& names) {
    for (const auto& [name, control] : names) {
        EXPECT_EQ(dialog.findChildren<QWidget*>(QLatin1String(name)), QList<QWidget*>{control})
            << name;
    }
}

// An editor dialog over a started main window, shown and holding the keyboard as the user
// would have it.
template <typename TForm>
class EditorTest : public MainFormTest {
protected:
    TForm& Open(const char* model, const char* type) {
        Editor.reset();
        StoreConfiguration(model, type);
        Start();
        return Reopen();
    }

    TForm& Reopen() {
        Editor.reset();
        Editor = std::make_unique<TForm>(*Form);
        Editor->show();
        // A dialog counts as active while its main window is; wait until it has the keyboard.
        Editor->activateWindow();
        EXPECT_TRUE(
            QTest::qWaitFor([this] { return QApplication::activeWindow() == Editor.get(); }));
        return *Editor;
    }

    QString GridCell(const QTableWidget* grid, int row, int column) const {
        const QTableWidgetItem* item = grid->item(row, column);
        return item ? item->text() : QString();
    }

    std::unique_ptr<TForm> Editor;
};
