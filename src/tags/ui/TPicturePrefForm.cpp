// "Dávkové vkládání obrázků": three check boxes in the group "Volby".
#include "tags/ui/TPicturePrefForm.h"

#include "base/ui/DialogButtons.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QVBoxLayout>

namespace zn::tags::ui {

TPicturePrefForm::TPicturePrefForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("PicturePrefForm"));
    setWindowTitle(QStringLiteral("Dávkové vkládání obrázků"));
    auto* group = new QGroupBox(QStringLiteral("Volby"), this);
    auto* groupLayout = new QVBoxLayout(group);
    CB1 = new QCheckBox(QStringLiteral("Zapisovat rozměry"), group);
    CB2 = new QCheckBox(QStringLiteral("<BR Clear=All> za každým obrázkem"), group);
    CB3 = new QCheckBox(QStringLiteral("Cik-Cak (střídat levé a pravé zarovnávání)"), group);
    for (QCheckBox* box : {CB1, CB2, CB3})
        groupLayout->addWidget(box);
    QDialogButtonBox* buttons = base::ui::OkCancelButtons(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
}

TPictureOptions TPicturePrefForm::Options() const {
    return {CB1->isChecked(), CB2->isChecked(), CB3->isChecked()};
}

} // namespace zn::tags::ui
