#pragma once
// The course's materials: which menu item opens which document, and which
// starts which presentation. The one place that knows the course folder's layout.
#include <QByteArray>
#include <QString>

#include <span>

namespace larendo::content {

struct DocumentItem {
    const char *item;   // object name of the menu item
    const char *target; // relative to the current directory, Windows style
};

struct PresentationItem {
    const char *item;
    const char *commandLine; // UTF-8 here; handed to the program start in Windows-1251
};

// The page loaded when the main window is created (also the help item's target).
inline constexpr const char *kStartPage = "\\data\\help\\sod.htm";

// In the header so that the menu can check at compile time that it has an
// item for every entry and an entry for every item that opens one.
inline constexpr DocumentItem kDocuments[] = {
    {"n1", "\\data\\info\\lig-1.html"},
    {"N2", "\\data\\info\\lig-2.html"},
    {"N3", "\\data\\info\\lig-3.html"},
    {"N33", "\\data\\info\\lig-4.html"},
    {"N34", "\\data\\info\\lig-5.html"},
    {"N11", "\\data\\prak\\1.htm"},
    {"N22", "\\data\\prak\\2.htm"},
    {"N31", "\\data\\prak\\3.htm"},
    {"N41", "\\data\\prak\\4.htm"},
    {"N51", "\\data\\prak\\5.htm"},
    {"N61", "\\data\\prak\\6.htm"},
    {"N71", "\\data\\prak\\7.htm"},
    {"N82", "\\data\\prak\\8.htm"},
    {"N91", "\\data\\prak\\9.htm"},
    {"N101", "\\data\\prak\\10.htm"},
    {"N7", "\\data\\prak\\11.htm"},
    {"N122", "\\data\\prak\\12.htm"},
    {"N131", "\\data\\prak\\13.htm"},
    {"N141", "\\data\\prak\\14.htm"},
    {"N151", "\\data\\prak\\15.htm"},
    {"N16", "\\data\\prak\\TestRK.htm"},
    {"N13", "\\data\\prak\\sillabus.htm"},
    {"N14", "\\data\\info\\MU.htm"},
    {"N9", "\\data\\prak\\srm.htm"},
    {"N10", "\\data\\prak\\VoprExam.htm"},
    {"N25", "\\data\\info\\oni.htm"},
    {"N28", "\\data\\info\\nwpi293.pdf"},
    {"N27", kStartPage},
};

#define PRESENTATION_PROGRAM "C:\\Program Files (x86)\\Microsoft Office\\Office14\\POWERPNT.EXE /s "

inline constexpr PresentationItem kPresentations[] = {
    {"N110", PRESENTATION_PROGRAM "Data\\Prezent\\15_16_metody_nauchnogo_issledovaniya_ih_ispolzovanie.pps"},
    {"NN210", PRESENTATION_PROGRAM "Data\\prezent\\634570.pps"},
    {"NN212", PRESENTATION_PROGRAM "Data\\prezent\\Методология научного исследования.pps"},
};

#undef PRESENTATION_PROGRAM

constexpr std::span<const DocumentItem> documentItems() { return kDocuments; }
constexpr std::span<const PresentationItem> presentationItems() { return kPresentations; }

constexpr bool sameName(const char *a, const char *b)
{
    for (; *a && *a == *b; ++a, ++b) {
    }
    return *a == *b;
}

// The entry of an item, or nullptr; names compare exactly.
constexpr const DocumentItem *findDocument(const char *item)
{
    for (const DocumentItem &d : kDocuments) {
        if (sameName(item, d.item))
            return &d;
    }
    return nullptr;
}

constexpr const PresentationItem *findPresentation(const char *item)
{
    for (const PresentationItem &p : kPresentations) {
        if (sameName(item, p.item))
            return &p;
    }
    return nullptr;
}

// The full path the browser is sent to: the current directory followed by the
// target, found on disk without regard to letter case.
QString documentPath(const char *target);

// The command line in the program's Windows-1251 bytes.
QByteArray commandLineBytes(const PresentationItem &item);

} // namespace larendo::content
