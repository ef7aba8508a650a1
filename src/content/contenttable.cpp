#include "contenttable.h"

#include "platform/codec.h"
#include "platform/paths.h"

namespace content {

namespace {

constexpr DocumentItem kDocuments[] = {
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

constexpr PresentationItem kPresentations[] = {
    {"N110", PRESENTATION_PROGRAM "Data\\Prezent\\15_16_metody_nauchnogo_issledovaniya_ih_ispolzovanie.pps"},
    {"NN210", PRESENTATION_PROGRAM "Data\\prezent\\634570.pps"},
    {"NN212", PRESENTATION_PROGRAM "Data\\prezent\\Методология научного исследования.pps"},
};

#undef PRESENTATION_PROGRAM

} // namespace

std::span<const DocumentItem> documentItems() { return kDocuments; }
std::span<const PresentationItem> presentationItems() { return kPresentations; }

const DocumentItem *findDocument(const QString &item)
{
    for (const DocumentItem &d : kDocuments) {
        if (item == QLatin1String(d.item))
            return &d;
    }
    return nullptr;
}

const PresentationItem *findPresentation(const QString &item)
{
    for (const PresentationItem &p : kPresentations) {
        if (item == QLatin1String(p.item))
            return &p;
    }
    return nullptr;
}

QString documentPath(const char *target) { return platform::dataPath(QByteArray(target)); }

QByteArray commandLineBytes(const PresentationItem &item)
{
    return platform::toAnsi(QString::fromUtf8(item.commandLine));
}

} // namespace content
