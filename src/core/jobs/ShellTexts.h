#pragma once
// Fixed texts of the application shell, as CP932 bytes.

namespace tolvane {

inline constexpr char kReceiveTitle[] =
    "\x83"
    "f\x81"
    "[\x83"
    "^\x8E\xF3\x90"
    "M";  // データ受信
inline constexpr char kSendTitle[] =
    "\x83"
    "f\x81"
    "[\x83"
    "^\x91\x97\x90"
    "M";                                         // データ送信
inline constexpr char kFullTitle[] = "Tolvane";  // Tolvane
inline constexpr char kLanConnection[] =
    "\x82"
    "k\x82"
    "`\x82"
    "m\x90\xDA\x91\xB1";  // ＬＡＮ接続
inline constexpr char kStopCaption[] =
    "\x92\x86\x81"
    "@\x8E"
    "~";                                                             // 中　止
inline constexpr char kCloseCaption[] = "\x95\xC2\x82\xB6\x82\xE9";  // 閉じる
inline constexpr char kJobDoneText[] =
    "\x8F\x88\x97\x9D\x82\xCD\x8A\xAE\x97\xB9\x82\xB5\x82\xDC\x82\xB5\x82\xBD\x81"
    "B";  // 処理は完了しました。
inline constexpr char kJobAbortedText[] =
    "\x8F\x88\x97\x9D\x82\xF0\x92\x86\x8E"
    "~\x82\xB5\x82\xDC\x82\xB5\x82\xBD\x81"
    "B";  // 処理を中止しました。
inline constexpr char kResourceErrorText[] =
    "\x83\x8A\x83\x5C\x81"
    "[\x83"
    "X\x95"
    "s\x91\xAB\x82\xCC\x82\xBD\x82\xDF\x91\xB1\x8D"
    "s\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1\x81"
    "B";  // リソース不足のため続行できません。
inline constexpr char kLogWriteFailedText[] =
    "\x83\x8D\x83"
    "O\x83"
    "t\x83"
    "@\x83"
    "C\x83\x8B\x82\xF0\x8F\x91\x82\xAB\x8D\x9E\x82\xDF\x82\xDC\x82\xB9\x82\xF1\x82\xC5\x82\xB5\x82"
    "\xBD\x81"
    "B";  // ログファイルを書き込めませんでした。

}  // namespace tolvane
