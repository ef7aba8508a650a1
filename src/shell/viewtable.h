#pragma once
// Which handler shows and hides which view of the main window. Panels a row
// does not name keep their flag, by construction: only the named ones are touched.
#include <vector>
#include <span>

namespace larendo::shell {

// The views, numbered as their panels.
enum class View { Panel1 = 1, Panel2 = 2, Panel3 = 3, Panel4 = 4, Panel6 = 6, Panel7 = 7 };

enum class ViewSwitch {
    FormShow,         // main window first shown
    Document,         // any document item and "Помощь"
    MenuBackN17,      // "Назад" under "Методические материалы"
    SignedIn,         // successful "Далее>>"
    BackToSignIn,     // "На форму авторизации"
    TestStart,        // start of a test run
    Progress,         // "Информация об успеваемости", also at the end of a run
    ProgressBack,     // progress view "<<Назад"
    TestLog,          // "Отчет по проведению тестов"
    TestLogBack,      // test-log view "<<Назад"
    Settings,         // "Настройки администратора"
    SettingsBack,     // settings view "Назад"
    SignOut,          // "Сменить пользователя": the sign-in view alone, as at start
};

struct ViewSwitchRow {
    ViewSwitch trigger;
    std::vector<View> shown;
    std::vector<View> hidden;
};

std::span<const ViewSwitchRow> viewSwitchTable();
const ViewSwitchRow &viewSwitchRow(ViewSwitch trigger);

// Object name of a view's panel ("Panel4").
const char *panelName(View view);

} // namespace larendo::shell
