#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

// Help > About: the program's icon, title and version.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);

    QFrame* InfoPanel = nullptr;
    QLabel* IconImage = nullptr;
    QLabel* TitleLabel = nullptr;
    QLabel* ModelsLabel = nullptr;
    QLabel* VersionLabel = nullptr;
    QLabel* ReleaseLabel = nullptr;
    QPushButton* OKButton = nullptr;

private:
    // A line of text in the panel; `designName` becomes its object name.
    QLabel* AddLabel(const QString& text, int top, const char* designName);
};
