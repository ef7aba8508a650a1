#include "menutable.h"

#include "content/contenttable.h"
#include "form1.h"

namespace larendo::shell {

namespace {

constexpr const char *kLecture = ":/images/menu_lecture.png";
constexpr const char *kTest = ":/images/menu_test.png";
constexpr const char *kPrak = ":/images/menu_prak.png";
constexpr const char *kControl = ":/images/menu_control.png";
constexpr const char *kMethod = ":/images/menu_method.png";
constexpr const char *kBack = ":/images/menu_back.png";
constexpr const char *kSlides = ":/images/menu_presentation.png";
constexpr const char *kBook = ":/images/menu_book.png";
constexpr const char *kPdf = ":/images/menu_pdf.png";
constexpr const char *kProgress = ":/images/menu_progress.png";
constexpr const char *kReport = ":/images/menu_report.png";
constexpr const char *kSettings = ":/images/menu_settings.png";
constexpr const char *kEdit = ":/images/menu_edit.png";
constexpr const char *kAbout = ":/images/menu_about.png";
constexpr const char *kHelp = ":/images/menu_help.png";
constexpr const char *kAuthor = ":/images/menu_author.png";

constexpr MenuEntry kMenu[] = {
    {"N0", 0, "Содержание", false, nullptr, Submenu{}},
    {"n1", 1, "1. Научно-исследовательская деятель-ность. Методы научного ис-следования", true, kLecture, Document{}},
    {"test1", 1, "Тестирование №1", true, kTest, Test{1}},
    {"N2", 1, "2. Методика исследования", true, kLecture, Document{}},
    {"test2", 1, "Тестирование №2", true, kTest, Test{2}},
    {"N3", 1, "3. Накопление и обработка научной информации", true, kLecture, Document{}},
    {"test3", 1, "Тестирование №3", true, kTest, Test{3}},
    {"N33", 1, "4. Планирование, организация, структу-ра, оформление  и написание исследо-вательской работы", true, kLecture, Document{}},
    {"test4", 1, "Тестирование №4", true, kTest, Test{4}},
    {"N34", 1, "5. Представление результатов исследо-вательской деятельности", true, kLecture, Document{}},
    {"test5", 1, "Тестирование №5", true, kTest, Test{5}},
    // Lectures and tests 6 to 10 are part of the tree but never shown.
    {"N39", 1, "6. Лекция 6", false, kLecture, NotInCourse{}},
    {"test6", 1, "Тестирование №6", false, kTest, Test{6}},
    {"N312", 1, "7. Лекция 7", false, kLecture, NotInCourse{}},
    {"test7", 1, "Тестирование №7", false, kTest, Test{7}},
    {"N313", 1, "8. Лекция 8", false, kLecture, NotInCourse{}},
    {"test8", 1, "Тестирование №8", false, kTest, Test{8}},
    {"N81", 1, "9. Лекция 9", false, kLecture, NotInCourse{}},
    {"test9", 1, "Тестирование №9", false, kTest, Test{9}},
    {"N4", 1, "10. Лекция 10", false, kLecture, NotInCourse{}},
    {"test10", 1, "Тестирование №10", false, kTest, Test{10}},
    {"Nprak", 0, "Практические занятия", false, nullptr, Submenu{}},
    {"N11", 1, "Тема 1. Сущность исследовательской деятельности", true, kPrak, Document{}},
    {"N22", 1, "Тема 2. Методы эмпирического исследования", true, kPrak, Document{}},
    {"N31", 1, "Тема 3. Виды информационных ресурсов", true, kPrak, Document{}},
    {"N41", 1, "Тема 4. Методика исследования", true, kPrak, Document{}},
    {"N51", 1, "Тема 5. Тема исследования и ее актуальность", true, kPrak, Document{}},
    {"N61", 1, "Тема 6. Цель как представление о результате исследования", true, kPrak, Document{}},
    {"N71", 1, "Тема 7. Информационное обеспечение исследования", true, kPrak, Document{}},
    {"N82", 1, "Тема 8. Организация работы с научной литературой", true, kPrak, Document{}},
    {"N91", 1, "Тема 9. Правила библиографического описания источника и литературы", true, kPrak, Document{}},
    {"N101", 1, "Тема 10. Планирование и основные этапы организации исследовательской работы", true, kPrak, Document{}},
    {"N7", 1, "Тема 11. Требования к оформлению исследовательских работ", true, kPrak, Document{}},
    {"N122", 1, "Тема 12. Требование к оформлению структурных частей исследовательских работ", true, kPrak, Document{}},
    {"N131", 1, "Тема 13. Анализ статистических данных", true, kPrak, Document{}},
    {"N141", 1, "Тема 14 . Доклад, научное сообщение", true, kPrak, Document{}},
    {"N151", 1, "Тема 15 . Статья, тезисы научного доклада (сообщения)", true, kPrak, Document{}},
    {"Nrk", 0, "Рубежный контроль", false, nullptr, Submenu{}},
    {"N16", 1, "Рубежный контроль 1", true, kControl, Document{}},
    {"N8", 0, "Методические материалы", true, nullptr, Submenu{}},
    {"N13", 1, "Силлабус", true, kMethod, Document{}},
    {"N14", 1, "Методические указания к изучению дисциплины", true, kMethod, Document{}},
    {"N9", 1, "Задания СРО", true, kMethod, Document{}},
    {"N10", 1, "Вопросы к экзамену", true, kMethod, Document{}},
    {"N17", 1, "Назад", true, kBack, &TForm1::N17Click},
    {"N29", 0, "Презентации", true, nullptr, Submenu{}},
    {"N110", 1, "Методы научного исследования, их использование", true, kSlides, Presentation{}},
    {"NN210", 1, "Основы научных исследований", true, kSlides, Presentation{}},
    {"NN212", 1, "Методология научного исследования", true, kSlides, Presentation{}},
    {"N18", 0, "Книги", true, nullptr, Submenu{}},
    {"N25", 1, "Основы научных исследований: учебное пособие", true, kBook, Document{}},
    {"N28", 1, "Методология научного исследования: краткий конспект (PDF)", true, kPdf, Document{}},
    {"Nadm", 0, "Администрирование", false, nullptr, Submenu{}},
    {"Ni", 1, "Информация об успеваемости", false, kProgress, &TForm1::NiClick},
    {"Nved", 1, "Ведомость", false, kProgress, &TForm1::NvedClick},
    {"notch", 1, "Отчет", false, kReport, Submenu{}},
    {"N30", 2, "Отчет по проведению тестов", true, kReport, &TForm1::N30Click},
    {"Ntun", 1, "Настройки администратора", false, kSettings, &TForm1::NtunClick},
    {"nred", 1, "Редактировать тесты", false, kEdit, &TForm1::nredClick},
    {"NaFormuAvtorizazii", 0, "На форму авторизации", true, nullptr, &TForm1::NaFormuAvtorizaziiClick},
    {"NSmena", 0, "Сменить пользователя", false, nullptr, &TForm1::NSmenaClick}, // takes its place once somebody signs in
    {"N21", 0, "Помощь", true, nullptr, Submenu{}},
    {"N26", 1, "О программе", true, kAbout, &TForm1::N26Click},
    {"N27", 1, "Помощь", true, kHelp, Document{}},
    {"N15", 1, "Об авторе", true, kAuthor, &TForm1::N15Click},
    {"Ne", 0, "Выход", true, nullptr, &TForm1::NeClick},
};

template <typename Kind>
constexpr bool is(const MenuEntry &e)
{
    return std::holds_alternative<Kind>(e.action.what());
}

// "test" followed by the number, as the user registry names the test's grade.
constexpr bool namedAfterTest(const char *name, int number)
{
    for (const char c : {'t', 'e', 's', 't'}) {
        if (*name++ != c)
            return false;
    }
    int value = 0;
    const char *digits = name;
    if (!*digits)
        return false;
    for (; *digits; ++digits) {
        if (*digits < '0' || *digits > '9')
            return false;
        value = value * 10 + (*digits - '0');
    }
    return value == number;
}

template <typename Kind>
constexpr bool hasRow(const char *name)
{
    for (const MenuEntry &e : kMenu) {
        if (is<Kind>(e) && content::sameName(e.name, name))
            return true;
    }
    return false;
}

// Every header opens a submenu and only headers do; every content row has its
// entry in the content table and every entry its row; every test row is named
// after its test; a lecture place the course does not fill is never shown.
constexpr bool tableIsSound()
{
    constexpr std::size_t rows = std::size(kMenu);
    if (kMenu[0].level != 0)
        return false;
    for (std::size_t i = 0; i < rows; ++i) {
        const MenuEntry &e = kMenu[i];
        const int nextLevel = i + 1 < rows ? kMenu[i + 1].level : 0;
        if (nextLevel > e.level + 1 || (nextLevel > e.level) != is<Submenu>(e))
            return false;
        if (is<Document>(e) && !content::findDocument(e.name))
            return false;
        if (is<Presentation>(e) && !content::findPresentation(e.name))
            return false;
        if (const Test *t = std::get_if<Test>(&e.action.what()); t && !namedAfterTest(e.name, t->number))
            return false;
        if (is<NotInCourse>(e) && e.visibleAtCreation)
            return false;
    }
    for (const content::DocumentItem &d : content::kDocuments) {
        if (!hasRow<Document>(d.item))
            return false;
    }
    for (const content::PresentationItem &p : content::kPresentations) {
        if (!hasRow<Presentation>(p.item))
            return false;
    }
    return true;
}

static_assert(tableIsSound(), "the menu table disagrees with its tree or with the content table");

} // namespace

std::span<const MenuEntry> menuTable() { return kMenu; }

QList<int> offeredTests()
{
    QList<int> tests;
    for (const MenuEntry &e : kMenu) {
        const Test *test = std::get_if<Test>(&e.action.what());
        if (test && e.visibleAtCreation)
            tests.append(test->number);
    }
    return tests;
}

} // namespace larendo::shell
