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
    ToneBox = MakeButton<QCheckBox>(QT_TRANSLATE_NOOP("Editors", "Tone"), this, kToneHelp);
    CtcssBox = MakeButton<QCheckBox>("CTCSS", this, kToneHelp);
    DcsBox = MakeButton<QCheckBox>("DCS", this, kToneHelp);
    ToneCombo = MakeList(this, kToneListHelp);
    CtcssCombo = MakeList(this, kToneListHelp);
    DcsCombo = MakeList(this, kToneListHelp);
    ToneLabel = MakeLabel(QT_TRANSLATE_NOOP("Editors", "Tone Frequency"), this, ToneCombo);
    CtcssLabel = MakeLabel(QT_TRANSLATE_NOOP("Editors", "CTCSS Frequency"), this, CtcssCombo);
    DcsLabel = MakeLabel(QT_TRANSLATE_NOOP("Editors", "DCS Code"), this, DcsCombo);
    auto* grid = new QGridLayout(this);
    const std::array<std::array<QWidget*, 3>, 3> rows{{{ToneBox, ToneLabel, ToneCombo},
                                                       {CtcssBox, CtcssLabel, CtcssCombo},
                                                       {DcsBox, DcsLabel, DcsCombo}}};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            grid->addWidget(rows[static_cast<size_t>(row)][static_cast<size_t>(column)], row,
                            column);
        }
    }
    grid->setColumnStretch(0, 1);
}

void TToneGroup::FillLists() {
    for (QComboBox* list : {ToneCombo, CtcssCombo}) {
        for (const char* tone : ToneList()) list->addItem(QString::fromLatin1(tone));
    }
    for (const char* code : DcsList()) DcsCombo->addItem(QString::fromLatin1(code));
}

void TToneGroup::ConnectHandlers() {
    for (QCheckBox* box : {ToneBox, CtcssBox, DcsBox}) {
        connect(box, &QCheckBox::clicked, this, [this, box] { ToneBoxClick(box); });
    }
    for (QComboBox* list : {ToneCombo, CtcssCombo, DcsCombo}) {
        connect(list, &QComboBox::activated, this, &TToneGroup::Edited);
    }
}

void TToneGroup::Show(const TChannelDisplay& display) {
    for (QWidget* control :
         std::initializer_list<QWidget*>{ToneBox, CtcssBox, DcsBox, ToneCombo, CtcssCombo, DcsCombo,
                                         ToneLabel, CtcssLabel, DcsLabel}) {
        control->setEnabled(display.TonesEnabled);
    }
    SelectTone(display.Tone);
    ToneCombo->setCurrentIndex(display.TonePosition);
    CtcssCombo->setCurrentIndex(display.CtcssPosition);
    DcsCombo->setCurrentIndex(display.DcsPosition);
}

void TToneGroup::SelectTone(TToneChoice tone) {
    ToneBox->setChecked(tone == TToneChoice::Tone);
    CtcssBox->setChecked(tone == TToneChoice::Ctcss);
    DcsBox->setChecked(tone == TToneChoice::Dcs);
}

void TToneGroup::ReadEdits(TChannelEdits& edits) const {
    edits.Tone = TToneChoice::None;
    if (ToneBox->isChecked()) edits.Tone = TToneChoice::Tone;
    if (CtcssBox->isChecked()) edits.Tone = TToneChoice::Ctcss;
    if (DcsBox->isChecked()) edits.Tone = TToneChoice::Dcs;
    edits.TonePosition = ToneCombo->currentIndex();
    edits.CtcssPosition = CtcssCombo->currentIndex();
    edits.DcsPosition = DcsCombo->currentIndex();
}

void TToneGroup::ToneBoxClick(QCheckBox* box) {
    emit Edited();
    if (!box->isChecked()) return;
    for (QCheckBox* other : {ToneBox, CtcssBox, DcsBox}) {
        if (other != box) other->setChecked(false);
    }
}
