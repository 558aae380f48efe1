#include "app/shell/Translations.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QLocale>
#include <QPushButton>

#include <gtest/gtest.h>

namespace tavolim::app {
namespace {

// Qt's own dialogs (printer set-up, colour picker, file chooser) speak Portuguese, and format
// dates and numbers the Brazilian way.
TEST(Translations, QtsOwnDialogsSpeakPortuguese)
{
    ASSERT_TRUE(installPortugueseTranslations(*qApp));

    QDialogButtonBox standard(QDialogButtonBox::Cancel | QDialogButtonBox::Close |
                              QDialogButtonBox::Save);
    QColorDialog colours;

    EXPECT_EQ(standard.button(QDialogButtonBox::Cancel)->text().remove('&'), "Cancelar");
    EXPECT_EQ(standard.button(QDialogButtonBox::Save)->text().remove('&'), "Salvar");
    EXPECT_EQ(colours.findChild<QDialogButtonBox*>()
                  ->button(QDialogButtonBox::Cancel)
                  ->text()
                  .remove('&'),
              "Cancelar");
    EXPECT_EQ(QLocale().toString(1234.5, 'f', 2), "1.234,50");
    EXPECT_EQ(QLocale().monthName(3), "março");
}

} // namespace
} // namespace tavolim::app
