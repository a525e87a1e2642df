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

    QFrame* Panel1 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;  // the program's title
    QLabel* Label4 = nullptr;  // the models
    QLabel* Label2 = nullptr;  // version
    QLabel* Label5 = nullptr;  // release
    QPushButton* OKButton = nullptr;

private:
    QLabel* AddLabel(const QString& text, int top);
};
