#pragma once
// The value layer of the entry field: how its text is converted and formatted
// for each entry type and width mode, how the limits apply, what its value
// form is, and how dates are read from what the user typed. All texts are
// CP932 bytes; the field binds the callbacks (its text, the beep, today).

#include <QDate>
#include <functional>
#include <string>
#include <string_view>

namespace tolvane {

enum class TEditType {
    Strin,
    Numin,
    NuminNo,
    Dayin,
    DayinWa,
    DayinBi,
    StrinNo,
    Codein,
    Timein,
    TimeinH
};
enum class TExitMode { None, Zenkaku, Hankaku };

// The format picture that an entry type sets.
std::string PictureOfType(TEditType type);
bool IsDateType(TEditType type);

// The digit runs of the text laid into the picture's digit groups:
// "000-000-000" makes 12-345-678 into 012-345-678.
std::string PatternFormat(std::string_view text, std::string_view picture);

class EditValue {
  public:
    TEditType EditType = TEditType::Strin;
    TExitMode ExitMode = TExitMode::None;
    std::string UsingText;  // the picture
    int MaxLength = 0;      // bytes; 0 is no limit
    int EntryLimit = 0;     // bytes a text entry keeps (its MaxLength while it is edited)
    std::string EnterText;  // the value when the field was entered; fallback of some formats
    bool CheckBeep = true;

    // The field's own text, read and set by the limits.
    std::function<std::string()> GetText;
    std::function<void(const std::string&)> SetText;
    std::function<void()> Beep;
    std::function<QDate()> Today;

    const std::string& ExitMinChk() const { return minChk_; }
    const std::string& ExitMaxChk() const { return maxChk_; }
    void SetExitMinChk(const std::string& value) { SetLimit(minChk_, value); }
    void SetExitMaxChk(const std::string& value) { SetLimit(maxChk_, value); }

    std::string FormatExitText(const std::string& text);
    // The text after the limits, formatted; may set the field's text to a
    // limit when applyToField.
    std::string NormalizeText(const std::string& text, bool applyToField = true);
    std::string ValueText(const std::string& formatted);
    std::string ExitText();  // the value form of the field's text
    std::string NumberText(std::string_view text) const;
    double NumberOf(std::string_view text) const;

    // The date typed, as a text "yyyy/mm/dd" ("1867/12/31" when it is no
    // date); the date is kept as the last parsed date.
    std::string ParseDate(const std::string& text);
    // A valid date in 1868-01-01..2087-12-31, corrected where it is not one,
    // or the no-date value 1867-12-31. Kept as the last parsed date.
    QDate MakeDate(int year, int month, int day);

    QDate LastDate() const { return lastDate_; }
    bool LastDateIsDate() const;

  private:
    void SetLimit(std::string& limit, const std::string& value);
    void DoBeep();
    QDate TodayDate() const;
    int Order(const std::string& a, const std::string& b);
    std::string ComparableLimit(const std::string& limit);
    int CompareAsDates(const std::string& a, const std::string& b);
    std::string FormatNumber(const std::string& t);
    std::string FormatDate(const std::string& t);
    std::string FormatTime(std::string t);

    // Holds beeps back while it lives (limits compared, a text only shown).
    struct QuietBeeps {
        int& depth;
        bool on;
        explicit QuietBeeps(int& d, bool hold = true) : depth(d), on(hold) { depth += on; }
        ~QuietBeeps() { depth -= on; }
    };

    std::string minChk_, maxChk_;
    int quiet_ = 0;
    QDate lastDate_{1867, 12, 31};
};

}  // namespace tolvane
