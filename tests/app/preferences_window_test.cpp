// "Tamsel2001 Preferences" in the window: what "OK" confirms is stored and taken at once; Cancel keeps
// the configuration as it was.
#include "app/documents.h"
#include "app/edit_text_widget.h"
#include "app/master_window.h"
#include "app_fixture.h"
#include "settings/settings_form.h"
#include "support/test_registry.h"

#include <QTest>

using namespace tamsel;
using test::AppFixture;

class PreferencesWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void ok_stores_and_applies_at_once() {
        AppFixture f;
        MasterWindow& w = f.start();
        ScriptedSettingsForm settings;
        w.forms().use<SettingsForm>(settings);
        QVERIFY(w.documents().open_document(f.doc(QStringLiteral("p.htm"), "<B>x</B>"), false));
        settings.edits.push_back([](ConfigTable& c) {
            c.set_value(show_line_number, QStringLiteral("0"));
            c.set_value(highlight_tag, QStringLiteral("65280"));
        });
        w.dispatch(QStringLiteral("ID_Tamsel2001Preferences"));
        QCOMPARE(f.store.values.value(QStringLiteral("config_show_line_number")), QStringLiteral("0"));
        QVERIFY(!f.ws->window.view_flags.line_numbers);
        QCOMPARE(w.editor().colour_runs().first().colour, ColourValue{65280});  // coloured again at once

        w.dispatch(QStringLiteral("ID_Tamsel2001Preferences"));  // cancelled: nothing changes
        QCOMPARE(settings.shown, 2);
        QCOMPARE(f.ws->config.config_text(highlight_tag), QStringLiteral("65280"));
    }
};

TAMSEL_TEST(PreferencesWindowTest)
#include "preferences_window_test.moc"
