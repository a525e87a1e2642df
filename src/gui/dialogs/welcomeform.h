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

    QLabel* PictureImage = nullptr;
    QLabel* NameLabel = nullptr;  // "TAVRIN"
    QLabel* TitleLabel = nullptr;
    QLabel* ModelsLabel = nullptr;
    QLabel* VersionLabel = nullptr;
    QLabel* ReleaseLabel = nullptr;
    QTimer CloseTimer;
    // Work done while the splash is up, once it has been painted (the main
    // window being built); run at the latest when the splash closes.
    std::function<void()> WhileShown;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // A line of white text over the picture; `designName` becomes its object name.
    QLabel* AddLabel(const QString& text, int top, int pixelHeight, bool bold,
                     const char* designName);
    void CloseTimerTimeout();
};

// Shows the splash window modally until it closes itself, doing `whileShown`
// in the meantime.
void ShowSplash(std::function<void()> whileShown);
