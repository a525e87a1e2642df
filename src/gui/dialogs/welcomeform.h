#pragma once

#include <QDialog>
#include <QTimer>
#include <functional>

class QLabel;

// The splash window shown while the main window is being built; it closes
// itself after two seconds.
class TWelcomeForm : public QDialog {
    Q_OBJECT
public:
    explicit TWelcomeForm(QWidget* parent = nullptr);

    static constexpr int kShownMilliseconds = 2000;

    QLabel* Image1 = nullptr;
    QLabel* Label4 = nullptr;  // "TAVRIN"
    QLabel* Label7 = nullptr;  // the program's title
    QLabel* Label8 = nullptr;  // the models
    QLabel* Label5 = nullptr;  // version
    QLabel* Label6 = nullptr;  // release
    QTimer Timer1;
    // Work done while the splash is up, once it has been painted (the main
    // window being built); run at the latest when the splash closes.
    std::function<void()> WhileShown;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* AddLabel(const QString& text, int top, int pixelHeight, bool bold);
    void Timer1Timer();
};

// Shows the splash window modally until it closes itself, doing `whileShown`
// in the meantime.
void ShowSplash(std::function<void()> whileShown);
