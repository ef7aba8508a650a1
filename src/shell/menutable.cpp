#include "menutable.h"

namespace shell {

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
    {"N0", 0, "Содержание", false, nullptr},
    {"n1", 1, "1. Научно-исследовательская деятель-ность. Методы научного ис-следования", true, kLecture},
    {"test1", 1, "Тестирование №1", true, kTest},
    {"N2", 1, "2. Методика исследования", true, kLecture},
    {"test2", 1, "Тестирование №2", true, kTest},
    {"N3", 1, "3. Накопление и обработка научной информации", true, kLecture},
    {"test3", 1, "Тестирование №3", true, kTest},
    {"N33", 1, "4. Планирование, организация, структу-ра, оформление  и написание исследо-вательской работы", true, kLecture},
    {"test4", 1, "Тестирование №4", true, kTest},
    {"N34", 1, "5. Представление результатов исследо-вательской деятельности", true, kLecture},
    {"test5", 1, "Тестирование №5", true, kTest},
    // Lectures and tests 6 to 10 are part of the tree but never shown.
    {"N39", 1, "6. Лекция 6", false, kLecture},
    {"test6", 1, "Тестирование №6", false, kTest},
    {"N312", 1, "7. Лекция 7", false, kLecture},
    {"test7", 1, "Тестирование №7", false, kTest},
    {"N313", 1, "8. Лекция 8", false, kLecture},
    {"test8", 1, "Тестирование №8", false, kTest},
    {"N81", 1, "9. Лекция 9", false, kLecture},
    {"test9", 1, "Тестирование №9", false, kTest},
    {"N4", 1, "10. Лекция 10", false, kLecture},
    {"test10", 1, "Тестирование №10", false, kTest},
    {"Nprak", 0, "Практические занятия", false, nullptr},
    {"N11", 1, "Тема 1. Сущность исследовательской деятельности", true, kPrak},
    {"N22", 1, "Тема 2. Методы эмпирического исследования", true, kPrak},
    {"N31", 1, "Тема 3. Виды информационных ресурсов", true, kPrak},
    {"N41", 1, "Тема 4. Методика исследования", true, kPrak},
    {"N51", 1, "Тема 5. Тема исследования и ее актуальность", true, kPrak},
    {"N61", 1, "Тема 6. Цель как представление о результате исследования", true, kPrak},
    {"N71", 1, "Тема 7. Информационное обеспечение исследования", true, kPrak},
    {"N82", 1, "Тема 8. Организация работы с научной литературой", true, kPrak},
    {"N91", 1, "Тема 9. Правила библиографического описания источника и литературы", true, kPrak},
    {"N101", 1, "Тема 10. Планирование и основные этапы организации исследовательской работы", true, kPrak},
    {"N7", 1, "Тема 11. Требования к оформлению исследовательских работ", true, kPrak},
    {"N122", 1, "Тема 12. Требование к оформлению структурных частей исследовательских работ", true, kPrak},
    {"N131", 1, "Тема 13. Анализ статистических данных", true, kPrak},
    {"N141", 1, "Тема 14 . Доклад, научное сообщение", true, kPrak},
    {"N151", 1, "Тема 15 . Статья, тезисы научного доклада (сообщения)", true, kPrak},
    {"Nrk", 0, "Рубежный контроль", false, nullptr},
    {"N16", 1, "Рубежный контроль 1", true, kControl},
    {"N8", 0, "Методические материалы", true, nullptr},
    {"N13", 1, "Силлабус", true, kMethod},
    {"N14", 1, "Методические указания к изучению дисциплины", true, kMethod},
    {"N9", 1, "Задания СРО", true, kMethod},
    {"N10", 1, "Вопросы к экзамену", true, kMethod},
    {"N17", 1, "Назад", true, kBack},
    {"N29", 0, "Презентации", true, nullptr},
    {"N110", 1, "Методы научного исследования, их использование", true, kSlides},
    {"NN210", 1, "Основы научных исследований", true, kSlides},
    {"NN212", 1, "Методология научного исследования", true, kSlides},
    {"N18", 0, "Книги", true, nullptr},
    {"N25", 1, "Основы научных исследований: учебное пособие", true, kBook},
    {"N28", 1, "Методология научного исследования: краткий конспект (PDF)", true, kPdf},
    {"Nadm", 0, "Администрирование", false, nullptr},
    {"Ni", 1, "Информация об успеваемости", false, kProgress},
    {"Nved", 1, "Ведомость", false, kProgress},
    {"notch", 1, "Отчет", false, kReport},
    {"N30", 2, "Отчет по проведению тестов", true, kReport},
    {"Ntun", 1, "Настройки администратора", false, kSettings},
    {"nred", 1, "Редактировать тесты", false, kEdit},
    {"NaFormuAvtorizazii", 0, "На форму авторизации", true, nullptr},
    {"NSmena", 0, "Сменить пользователя", false, nullptr}, // takes its place once somebody signs in
    {"N21", 0, "Помощь", true, nullptr},
    {"N26", 1, "О программе", true, kAbout},
    {"N27", 1, "Помощь", true, kHelp},
    {"N15", 1, "Об авторе", true, kAuthor},
    {"Ne", 0, "Выход", true, nullptr},
};

} // namespace

std::span<const MenuEntry> menuTable() { return kMenu; }

} // namespace shell
