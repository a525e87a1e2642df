#include "gui/dialogs/welcomeform.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include "gui/dialogs/versiontexts.h"
#include "gui/kit/modal.h"
#include "gui/kit/radioart.h"

namespace {

constexpr QSize kClientSize(441, 267);
constexpr QSize kPictureSize(480, 270);
constexpr int kTextLeft = 18;
constexpr int kTitleHeight = 19;
constexpr int kVersionHeight = 11;

}  // namespace

TWelcomeForm::TWelcomeForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Welcome"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(kClientSize);
    PictureImage = new QLabel(this);
    PictureImage->setObjectName(QStringLiteral("Image1"));
    PictureImage->setPixmap(DrawSplashPicture(kPictureSize));
    // The picture is a little larger than the window: centred, its edges are cut.
    PictureImage->setGeometry(QRect(QPoint((kClientSize.width() - kPictureSize.width()) / 2,
                                           (kClientSize.height() - kPictureSize.height()) / 2),
                                    kPictureSize));
    NameLabel = AddLabel(QStringLiteral("TAVRIN"), 16, kTitleHeight, true, "Label4");
    TitleLabel = AddLabel(QString::fromLatin1(kProgramTitle), 44, kTitleHeight, true, "Label7");
    ModelsLabel = AddLabel(QString::fromLatin1(kModelsText), 72, kTitleHeight, true, "Label8");
    VersionLabel =
        AddLabel(QString::fromLatin1(kVersionText), 214, kVersionHeight, false, "Label5");
    ReleaseLabel =
        AddLabel(QString::fromLatin1(kReleaseText), 232, kVersionHeight, false, "Label6");
    CloseTimer.setObjectName(QStringLiteral("Timer1"));
    CloseTimer.setSingleShot(true);
    // A coarse timer may fire up to 5 % early; the splash stays its full two seconds.
    CloseTimer.setTimerType(Qt::PreciseTimer);
    connect(&CloseTimer, &QTimer::timeout, this, &TWelcomeForm::CloseTimerTimeout);
}

QLabel* TWelcomeForm::AddLabel(const QString& text, int top, int pixelHeight, bool bold,
                               const char* designName) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QLatin1String(designName));
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    label->adjustSize();
    label->move(kTextLeft, top);
    return label;
}

void TWelcomeForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - frameGeometry().center() + pos());
    }
    CloseTimer.start(kShownMilliseconds);
}

void TWelcomeForm::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    if (WhileShown) QTimer::singleShot(0, this, std::exchange(WhileShown, {}));
}

void TWelcomeForm::CloseTimerTimeout() {
    CloseTimer.stop();
    accept();
}

void ShowSplash(std::function<void()> whileShown) {
    TWelcomeForm form;
    form.WhileShown = std::move(whileShown);
    ExecModal(form);
    if (form.WhileShown) form.WhileShown();
}
