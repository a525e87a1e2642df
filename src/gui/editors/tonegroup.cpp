#include "gui/editors/tonegroup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <array>
#include <initializer_list>

#include "core/model/frequencyrules.h"
#include "gui/editors/editorcontrols.h"

namespace {

// Help topics of the controls.
constexpr int kToneHelp = 530;
constexpr int kToneListHelp = 535;

}  // namespace

TToneGroup::TToneGroup(QWidget* parent) : QGroupBox(tr("Tone/CTCSS/DCS"), parent) {
    BuildControls();
    FillLists();
    ConnectHandlers();
}

void TToneGroup::BuildControls() {
    CheckBox_Tone = MakeButton<QCheckBox>(QT_TRANSLATE_NOOP("Editors", "Tone"), this, kToneHelp);
    CheckBox_Ctcss = MakeButton<QCheckBox>("CTCSS", this, kToneHelp);
    CheckBox_Dcs = MakeButton<QCheckBox>("DCS", this, kToneHelp);
    ComboBox_Tone = MakeList(this, kToneListHelp);
    ComboBox_Ctcss = MakeList(this, kToneListHelp);
    ComboBox_Dcs = MakeList(this, kToneListHelp);
    Label_Tone = MakeLabel(QT_TRANSLATE_NOOP("Editors", "Tone Frequency"), this, ComboBox_Tone);
    Label_Ctcss = MakeLabel(QT_TRANSLATE_NOOP("Editors", "CTCSS Frequency"), this, ComboBox_Ctcss);
    Label_Dcs = MakeLabel(QT_TRANSLATE_NOOP("Editors", "DCS Code"), this, ComboBox_Dcs);
    auto* grid = new QGridLayout(this);
    const std::array<std::array<QWidget*, 3>, 3> rows{
        {{CheckBox_Tone, Label_Tone, ComboBox_Tone},
         {CheckBox_Ctcss, Label_Ctcss, ComboBox_Ctcss},
         {CheckBox_Dcs, Label_Dcs, ComboBox_Dcs}}};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            grid->addWidget(rows[static_cast<size_t>(row)][static_cast<size_t>(column)], row,
                            column);
        }
    }
    grid->setColumnStretch(0, 1);
}

void TToneGroup::FillLists() {
    for (QComboBox* list : {ComboBox_Tone, ComboBox_Ctcss}) {
        for (const char* tone : ToneList()) list->addItem(QString::fromLatin1(tone));
    }
    for (const char* code : DcsList()) ComboBox_Dcs->addItem(QString::fromLatin1(code));
}

void TToneGroup::ConnectHandlers() {
    for (QCheckBox* box : {CheckBox_Tone, CheckBox_Ctcss, CheckBox_Dcs}) {
        connect(box, &QCheckBox::clicked, this, [this, box] { ToneBoxClick(box); });
    }
    for (QComboBox* list : {ComboBox_Tone, ComboBox_Ctcss, ComboBox_Dcs}) {
        connect(list, &QComboBox::activated, this, &TToneGroup::Edited);
    }
}

void TToneGroup::Show(const TChannelDisplay& display) {
    for (QWidget* control : std::initializer_list<QWidget*>{
             CheckBox_Tone, CheckBox_Ctcss, CheckBox_Dcs, ComboBox_Tone, ComboBox_Ctcss,
             ComboBox_Dcs, Label_Tone, Label_Ctcss, Label_Dcs}) {
        control->setEnabled(display.TonesEnabled);
    }
    SelectTone(display.Tone);
    ComboBox_Tone->setCurrentIndex(display.TonePosition);
    ComboBox_Ctcss->setCurrentIndex(display.CtcssPosition);
    ComboBox_Dcs->setCurrentIndex(display.DcsPosition);
}

void TToneGroup::SelectTone(TToneChoice tone) {
    CheckBox_Tone->setChecked(tone == TToneChoice::Tone);
    CheckBox_Ctcss->setChecked(tone == TToneChoice::Ctcss);
    CheckBox_Dcs->setChecked(tone == TToneChoice::Dcs);
}

void TToneGroup::ReadEdits(TChannelEdits& edits) const {
    edits.Tone = TToneChoice::None;
    if (CheckBox_Tone->isChecked()) edits.Tone = TToneChoice::Tone;
    if (CheckBox_Ctcss->isChecked()) edits.Tone = TToneChoice::Ctcss;
    if (CheckBox_Dcs->isChecked()) edits.Tone = TToneChoice::Dcs;
    edits.TonePosition = ComboBox_Tone->currentIndex();
    edits.CtcssPosition = ComboBox_Ctcss->currentIndex();
    edits.DcsPosition = ComboBox_Dcs->currentIndex();
}

void TToneGroup::ToneBoxClick(QCheckBox* box) {
    emit Edited();
    if (!box->isChecked()) return;
    for (QCheckBox* other : {CheckBox_Tone, CheckBox_Ctcss, CheckBox_Dcs}) {
        if (other != box) other->setChecked(false);
    }
}
