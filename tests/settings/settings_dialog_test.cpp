// frm_Settings offscreen: the controls show the configuration, numbers are kept in range as they are
// left, and "OK" writes back what the controls hold and nothing else.
#include "settings/settings_dialog.h"
#include "support/test_registry.h"
#include "wizards/colour_picker_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace tamsel;

class SettingsDialogTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void confirming_unchanged_keeps_the_rulers_data() {
        QTest::addColumn<int>("rulers");
        for (int r = 0; r < 4; ++r) QTest::newRow(qPrintable(QString::number(r))) << r;
    }
    void confirming_unchanged_keeps_the_rulers() {
        QFETCH(int, rulers);
        ConfigTable config;
        config.set_value(tamsel_rulers, QString::number(rulers));
        const ConfigTable before = config;
        SettingsDialog dialog(config, {});
        dialog.write_back();
        QCOMPARE(config.config_text(tamsel_rulers), QString::number(rulers));
        for (int slot = 1; slot <= config_slot_count; ++slot)
            QVERIFY2(config.config_text(slot) == before.config_text(slot) || slot == use_ie || slot == use_netscape,
                     qPrintable(config.key(slot)));
    }

    void a_browser_that_was_not_found_cannot_be_on() {
        ConfigTable config;
        config.set_value(use_ie, QStringLiteral("1"));
        config.set_value(ie_path, QString());
        SettingsDialog dialog(config, {});
        auto* box = dialog.findChild<QCheckBox*>(QStringLiteral("chk_browser_0"));
        QVERIFY(!box->isEnabled() && !box->isChecked());
        QVERIFY(!dialog.findChild<QLabel*>(QStringLiteral("not_installed_0"))->isHidden());
        dialog.write_back();
        QCOMPARE(config.config_text(use_ie), QStringLiteral("0"));
    }

    void typed_values_come_back_clamped_and_paired() {
        ConfigTable config;
        config.set_value(font_size, QStringLiteral("13"));
        config.set_value(tag_case, QStringLiteral("2"));
        ScriptedColourPicker picker;
        picker.answers.push_back(PickedColour{255});
        SettingsRequest request;
        request.picker = &picker;
        SettingsDialog dialog(config, request);
        QCOMPARE(dialog.findChild<QComboBox*>(QStringLiteral("font_size"))->currentText(), QStringLiteral("14"));
        auto* refresh = dialog.findChild<QLineEdit*>(QStringLiteral("autotrack_time"));
        refresh->setText(QStringLiteral("75"));
        Q_EMIT refresh->editingFinished();
        QCOMPARE(refresh->text(), QStringLiteral("60"));
        dialog.findChild<QLineEdit*>(QStringLiteral("line_width"))->setText(QStringLiteral("10"));  // never left
        dialog.findChild<QCheckBox*>(QStringLiteral("tag_case_0"))->click();
        QVERIFY(!dialog.findChild<QCheckBox*>(QStringLiteral("tag_case_1"))->isChecked());
        dialog.findChild<QPushButton*>(QStringLiteral("txt_color_2"))->click();
        dialog.write_back();
        QCOMPARE(config.config_text(autotracker_time), QStringLiteral("60"));
        QCOMPARE(config.config_text(right_margin), QStringLiteral("64"));
        QCOMPARE(config.config_text(tag_case), QStringLiteral("1"));
        QCOMPARE(config.config_text(font_size), QStringLiteral("14"));
        QCOMPARE(config.config_text(highlight_arg), QStringLiteral("255"));
    }

    // A store holding garbage opens the dialog with values it can show.
    void garbage_in_the_store_opens_clamped() {
        ConfigTable config;
        for (const int slot : {startup_mode, font_size, tab_width, highlight_tag, tamsel_rulers}) config.set_value(slot, QStringLiteral("x%#"));
        SettingsDialog dialog(config, {});
        dialog.write_back();
        QCOMPARE(config.config_text(tab_width), QStringLiteral("1"));
        QCOMPARE(config.config_text(font_size), QStringLiteral("8"));
    }
};

TAMSEL_TEST(SettingsDialogTest)
#include "settings_dialog_test.moc"
