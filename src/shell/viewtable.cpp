#include "viewtable.h"

namespace larendo::shell {

namespace {

using enum View;

const ViewSwitchRow kTable[] = {
    {ViewSwitch::FormShow, {Panel4}, {Panel1, Panel2, Panel3, Panel6}},
    {ViewSwitch::Document, {Panel1}, {Panel2, Panel3, Panel4, Panel6}},
    {ViewSwitch::MenuBackN17, {Panel1}, {Panel7}},
    {ViewSwitch::SignedIn, {Panel1}, {Panel2, Panel3, Panel4, Panel6}},
    {ViewSwitch::BackToSignIn, {Panel4}, {}},
    {ViewSwitch::TestStart, {Panel3}, {Panel1, Panel2, Panel4, Panel6}},
    {ViewSwitch::Progress, {Panel2}, {Panel1, Panel3, Panel4}},
    {ViewSwitch::ProgressBack, {Panel1}, {Panel2, Panel3, Panel4, Panel6}},
    {ViewSwitch::TestLog, {Panel6}, {Panel1, Panel2, Panel3, Panel4}},
    {ViewSwitch::TestLogBack, {Panel1}, {Panel2, Panel3, Panel4, Panel6}},
    {ViewSwitch::Settings, {Panel7}, {Panel1, Panel2, Panel3, Panel4, Panel6}},
    {ViewSwitch::SettingsBack, {Panel1}, {Panel7}},
    {ViewSwitch::SignOut, {Panel4}, {Panel1, Panel2, Panel3, Panel6, Panel7}},
};

} // namespace

std::span<const ViewSwitchRow> viewSwitchTable() { return kTable; }

const ViewSwitchRow &viewSwitchRow(ViewSwitch trigger)
{
    for (const ViewSwitchRow &row : kTable) {
        if (row.trigger == trigger)
            return row;
    }
    return kTable[0]; // unreachable: every trigger has a row
}

const char *panelName(View view)
{
    switch (view) {
    case Panel1: return "Panel1";
    case Panel2: return "Panel2";
    case Panel3: return "Panel3";
    case Panel4: return "Panel4";
    case Panel6: return "Panel6";
    case Panel7: return "Panel7";
    }
    return "";
}

} // namespace larendo::shell
