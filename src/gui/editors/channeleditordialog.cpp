#include "gui/editors/channeleditordialog.h"

#include "gui/editors/frequencygroup.h"
#include "gui/editors/tonegroup.h"

void TToneEditorDialog::BuildToneGroup() {
    GroupBox2 = new TToneGroup(this);
    CheckBox2 = GroupBox2->CheckBox_Tone;
    CheckBox3 = GroupBox2->CheckBox_Ctcss;
    CheckBox4 = GroupBox2->CheckBox_Dcs;
    Label9 = GroupBox2->Label_Tone;
    ComboBox3 = GroupBox2->ComboBox_Tone;
    Label10 = GroupBox2->Label_Ctcss;
    ComboBox4 = GroupBox2->ComboBox_Ctcss;
    Label13 = GroupBox2->Label_Dcs;
    ComboBox5 = GroupBox2->ComboBox_Dcs;
}

void TChannelEditorDialog::BuildFrequencyGroup() {
    GroupBox1 = new TFrequencyGroup(this, TFrequencyGroup::kWithSplit);
    Label1 = GroupBox1->Label_RxFrequency;
    Edit1 = GroupBox1->Edit_RxFrequency;
    Label2 = GroupBox1->Label_RxUnit;
    Label3 = GroupBox1->Label_Step;
    ComboBox1 = GroupBox1->ComboBox_Step;
    Label5 = GroupBox1->Label_TxFrequency;
    Edit3 = GroupBox1->Edit_TxFrequency;
    Label6 = GroupBox1->Label_TxUnit;
    Label4 = GroupBox1->Label_TxStep;
    ComboBox2 = GroupBox1->ComboBox_TxStep;
    Label7 = GroupBox1->Label_Offset;
    Edit2 = GroupBox1->Edit_Offset;
    Label8 = GroupBox1->Label_OffsetUnit;
    RadioButton1 = GroupBox1->RadioButton_Split;
    RadioButton2 = GroupBox1->RadioButton_Simplex;
    RadioButton3 = GroupBox1->RadioButton_Plus;
    RadioButton4 = GroupBox1->RadioButton_Minus;
    RadioButton5 = GroupBox1->RadioButton_Minus76;
    CheckBox1 = GroupBox1->CheckBox_Reverse;
}
