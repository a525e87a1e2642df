#pragma once

#include <QString>
#include <QWidget>
#include <functional>

#include "gui/editors/channeleditordialog.h"

class QCheckBox;
class QGroupBox;
class QLayout;
class QLabel;
class QLineEdit;
class QToolButton;
class TWorkspace;

// Spin buttons beside an edit: an up and a down arrow that step a position between a
// minimum and a maximum, coming round at both ends. Each step is asked for first.
class TUpDown : public QWidget {
    Q_OBJECT
public:
    explicit TUpDown(QWidget* parent);

    void SetRange(int minimum, int maximum);
    int Position() const { return Current; }
    // Moves without asking and without a Clicked signal.
    void SetPosition(int position);
    // Ends a press whose release went elsewhere (to a question box), so that the
    // held arrow does not go on repeating.
    void ReleaseCapture();
    void SetButtonHeight(int height);

    // Asked before every step with the position it would go to; false keeps the position.
    std::function<bool(int)> OnChanging;

    QToolButton* UpButton = nullptr;
    QToolButton* DownButton = nullptr;

signals:
    // A step was taken; the new position is Position().
    void Clicked();

private:
    void Step(int delta);

    int Min = 0;
    int Max = 0;
    int Current = 0;
};

// "Memory Channel": edits one memory channel, scan limit or priority entry at a time,
// moving between them without closing.
class TMemoryForm : public TChannelEditorDialog {
    Q_OBJECT
public:
    explicit TMemoryForm(TWorkspace& workspace);

    // The position shown.
    int Position() const;

    QLabel* ChannelNumberLabel = nullptr;
    QLineEdit* ChannelNumberEdit = nullptr;  // a channel number or a label such as "PR"
    TUpDown* ChannelUpDown = nullptr;
    QGroupBox* OptionGroup = nullptr;
    QLabel* NameLabel = nullptr;
    QLineEdit* NameEdit = nullptr;
    QCheckBox* LockoutBox = nullptr;

    bool Save() override;

protected:
    QWidget* FirstFocus() const override;
    void NormaliseFrequencies() override;

private:
    QLayout* BuildChannelRow();
    QGroupBox* BuildOptionGroup();
    void SetTabOrder();
    void ShowNameEdit();
    void ConnectHandlers();

    void LoadPosition(int position);
    void ShowDisplay(const TMemoryDisplay& display);
    TMemoryEdits CurrentEdits() const;

    // Goes to the channel a typed text names; false when a refused save kept the position.
    bool GoToTypedChannel(const QString& text);
    bool ChannelUpDownChanging();
    void ChannelUpDownClick();
    void ChannelNumberEditChange(const QString& text);
    void ChannelNumberPageKey(int step);
    void NameEditChange();
    bool ChannelKeyPress(QKeyEvent* key);

    QString LastTypedChannel;
};

// Opens the editor on the memory grid's current row and waits until it closes.
void OpenMemoryEditor(TWorkspace& workspace);
