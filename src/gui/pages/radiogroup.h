#pragma once

#include <QStringList>
#include <QWidget>
#include <vector>

class QButtonGroup;
class QLabel;
class QRadioButton;

// A row of mutually exclusive choices with a caption, like a settings list
// that shows all its items at once. The caption is a separate label so that a
// page can line it up with the labels of its drop-down lists; it is created
// beside the group, on the same parent.
class TRadioGroup : public QWidget {
    Q_OBJECT
public:
    TRadioGroup(const QString& caption, const QStringList& items, QWidget* parent);

    QLabel* CaptionLabel() const { return Caption; }
    int Count() const { return static_cast<int>(Buttons.size()); }
    QRadioButton* Button(int index) const { return Buttons.at(static_cast<size_t>(index)); }

    // The checked item, -1 when none is.
    int ItemIndex() const;
    // Any index outside the items checks none of them.
    void SetItemIndex(int index);

signals:
    // An item became checked, by the user or by SetItemIndex.
    void ItemIndexChanged(int index);

private:
    QLabel* Caption = nullptr;
    QButtonGroup* Group = nullptr;
    std::vector<QRadioButton*> Buttons;
};
