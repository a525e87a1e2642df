#include "gui/dialogs/aboutbox.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "gui/dialogs/versiontexts.h"
#include "gui/kit/radioart.h"

namespace {

constexpr QSize kClientSize(337, 230);
constexpr QRect kPanelGeometry(8, 8, 321, 170);
constexpr QRect kIconGeometry(12, 12, 36, 34);
constexpr QRect kButtonGeometry(131, 192, 75, 25);
constexpr int kTextLeft = 60;
constexpr int kFontHeight = 12;

}  // namespace

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("About TAVRIN"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(kClientSize);
    Panel1 = new QFrame(this);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setGeometry(kPanelGeometry);
    Image1 = new QLabel(Panel1);
    Image1->setGeometry(kIconGeometry);
    Image1->setPixmap(DrawProgramIcon(kIconGeometry.size()));
    Label1 = AddLabel(QString::fromLatin1(kProgramTitle) + QLatin1Char(' '), 16);
    Label4 = AddLabel(QString::fromLatin1(kModelsText), 40);
    Label2 = AddLabel(QString::fromLatin1(kVersionText), 88);
    Label5 = AddLabel(QString::fromLatin1(kReleaseText), 112);
    OKButton = new QPushButton(tr("OK"), this);
    OKButton->setGeometry(kButtonGeometry);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &TAboutBox::accept);
}

QLabel* TAboutBox::AddLabel(const QString& text, int top) {
    auto* label = new QLabel(text, Panel1);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(kFontHeight);
    label->setFont(font);
    label->adjustSize();
    label->move(kTextLeft, top);
    return label;
}
