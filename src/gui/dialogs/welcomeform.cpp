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
    Image1 = new QLabel(this);
    Image1->setPixmap(DrawSplashPicture(kPictureSize));
    // The picture is a little larger than the window: centred, its edges are cut.
    Image1->setGeometry(QRect(QPoint((kClientSize.width() - kPictureSize.width()) / 2,
                                     (kClientSize.height() - kPictureSize.height()) / 2),
                              kPictureSize));
    Label4 = AddLabel(QStringLiteral("TAVRIN"), 16, kTitleHeight, true);
    Label7 = AddLabel(QString::fromLatin1(kProgramTitle), 44, kTitleHeight, true);
    Label8 = AddLabel(QString::fromLatin1(kModelsText), 72, kTitleHeight, true);
    Label5 = AddLabel(QString::fromLatin1(kVersionText), 214, kVersionHeight, false);
    Label6 = AddLabel(QString::fromLatin1(kReleaseText), 232, kVersionHeight, false);
    Timer1.setSingleShot(true);
    // A coarse timer may fire up to 5 % early; the splash stays its full two seconds.
    Timer1.setTimerType(Qt::PreciseTimer);
    connect(&Timer1, &QTimer::timeout, this, &TWelcomeForm::Timer1Timer);
}

QLabel* TWelcomeForm::AddLabel(const QString& text, int top, int pixelHeight, bool bold) {
    auto* label = new QLabel(text, this);
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
    Timer1.start(kShownMilliseconds);
}

void TWelcomeForm::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    if (WhileShown) QTimer::singleShot(0, this, std::exchange(WhileShown, {}));
}

void TWelcomeForm::Timer1Timer() {
    Timer1.stop();
    accept();
}

void ShowSplash(std::function<void()> whileShown) {
    TWelcomeForm form;
    form.WhileShown = std::move(whileShown);
    ExecModal(form);
    if (form.WhileShown) form.WhileShown();
}
