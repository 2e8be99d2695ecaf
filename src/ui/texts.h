// Texts of the window layer: the standard items of the text views' menus and the errors the layer
// reports in the program's words.
#pragma once
#include <string>
#include <string_view>

namespace ui {

// The information box's caption.
inline constexpr std::wstring_view kInformationCaption = L"Information";

inline constexpr std::wstring_view kCopyMenuCaption = L"&Копирай\tCtrl+C";
inline constexpr std::wstring_view kSelectAllMenuCaption = L"&Избери всичко\tCtrl+A";

// Shown when an error carries no text of its own.
inline constexpr std::wstring_view kUnexpectedError = L"Неочаквана грешка";

inline constexpr std::wstring_view kClipboardNoMemory = L"Няма достатъчно памет, за да бъде копирана рецептата.";
inline constexpr std::wstring_view kClipboardBusy =
    L"Клипбордът е зает от друга програма; рецептата не е копирана. Опитайте отново.";
inline constexpr std::wstring_view kClipboardRefused = L"Рецептата не можа да бъде поставена в клипборда.";

inline constexpr std::wstring_view kPrintFontFailed = L"Шрифтът за печат не може да бъде създаден.";
inline constexpr std::wstring_view kPrinterRefusedDocument = L"Принтерът не прие документа за печат.";
inline constexpr std::wstring_view kPrinterRefusedNewPage = L"Принтерът не започна нова страница; печатът е прекъснат.";
inline constexpr std::wstring_view kPrinterRefusedPage = L"Принтерът не прие страницата; печатът е прекъснат.";
inline constexpr std::wstring_view kPrinterUnfinished = L"Принтерът не завърши документа; печатът е прекъснат.";
inline constexpr std::wstring_view kNoPrinterInstalled =
    L"Прозорецът за печат не може да бъде отворен: няма инсталиран принтер.";
inline constexpr std::wstring_view kPaperTooSmall = L"Хартията е твърде малка за печат на рецептата.";
inline std::wstring PrinterNotFound(std::wstring_view printer)
{
    return L"Принтерът „" + std::wstring(printer) + L"“ не е намерен.";
}

inline constexpr std::wstring_view kNotAnIcon = L"Иконата не може да бъде прочетена: данните не са във формат .ico";
inline constexpr std::wstring_view kNotAJpeg = L"Картината не може да бъде прочетена: данните не са JPEG";
inline constexpr std::wstring_view kBadMenuStrip = L"Картините на менюто трябва да са 32-битови, високи 16 точки";
inline std::wstring ResourceMissing(int id)
{
    return L"Ресурс " + std::to_wstring(id) + L" липсва в програмата";
}
inline std::wstring PictureMissing(int id)
{
    return L"Картина " + std::to_wstring(id) + L" липсва в програмата";
}
inline std::wstring CursorMissing(std::wstring_view name)
{
    return L"Курсорът „" + std::wstring(name) + L"“ липсва в програмата.";
}
inline std::wstring TextMissing(unsigned id)
{
    return L"Няма текст с номер " + std::to_wstring(id) + L" в ресурсите на програмата";
}

inline std::wstring NoSuchCommand(std::wstring_view name)
{
    return L"Няма команда " + std::wstring(name);
}
inline std::wstring MenuNotMade(std::wstring_view caption)
{
    return L"Менюто „" + std::wstring(caption) + L"“ не може да бъде създадено";
}
inline std::wstring WindowNotMade(std::wstring_view caption, unsigned long error)
{
    return L"Не може да се създаде прозорец „" + std::wstring(caption) + L"“ (" + std::to_wstring(error) + L")";
}
inline std::wstring ControlNotMade(std::wstring_view className)
{
    return L"Не може да се създаде контрола „" + std::wstring(className) + L"“.";
}
inline constexpr std::wstring_view kToolTipsNotMade = L"Подсказките на прозореца не могат да бъдат създадени.";

}
