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
    InfoPanel = new QFrame(this);
    InfoPanel->setObjectName(QStringLiteral("Panel1"));
    InfoPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    InfoPanel->setGeometry(kPanelGeometry);
    IconImage = new QLabel(InfoPanel);
    IconImage->setObjectName(QStringLiteral("Image1"));
    IconImage->setGeometry(kIconGeometry);
    IconImage->setPixmap(DrawProgramIcon(kIconGeometry.size()));
    TitleLabel = AddLabel(QString::fromLatin1(kProgramTitle) + QLatin1Char(' '), 16, "Label1");
    ModelsLabel = AddLabel(QString::fromLatin1(kModelsText), 40, "Label4");
    VersionLabel = AddLabel(QString::fromLatin1(kVersionText), 88, "Label2");
    ReleaseLabel = AddLabel(QString::fromLatin1(kReleaseText), 112, "Label5");
    OKButton = new QPushButton(tr("OK"), this);
    OKButton->setGeometry(kButtonGeometry);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &TAboutBox::accept);
}

QLabel* TAboutBox::AddLabel(const QString& text, int top, const char* designName) {
    auto* label = new QLabel(text, InfoPanel);
    label->setObjectName(QLatin1String(designName));
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(kFontHeight);
    label->setFont(font);
    label->adjustSize();
    label->move(kTextLeft, top);
    return label;
}
