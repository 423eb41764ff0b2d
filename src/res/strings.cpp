// The library's own string table (Japanese). Texts are UTF-8 here; the platform hands them out
// in the ANSI code page.
#include <iterator>

#include "res/tables.h"
#include "vksresource.h"

namespace {

const VksStringResource kStrings[] = {
    // Folders.
    {8195, "My Documents"},
    // Exception texts, by class.
    {8243, "$ProductName$ でエラーが生じました。"},
    {8245, "メモリが不足しています。幾つかのウィンドウを閉じてからもう一度実行してください。"},
    {8247, "Windows リソースの取得に失敗しました。"},
    {8249, "$ProductName$ でエラーが生じました。"},
    {8251, "$ProductName$ でエラーが生じました。"},
    {8253, "$ProductName$ でファイルのシステム エラーが発生しました。"},
    {8255, "$ProductName$ で OLE エラーが発生しました。"},
    {8257, "$ProductName$ でエラーが生じました。"},
    {8259, "$ProductName$ でエラーが生じました。"},
    {8261, "$ProductName$ で致命的なエラーが発生しました。"},
    // Exception texts, by kind of task and connection failure.
    {8273, "要求された操作に失敗しました。"},
    {8274, "要求された操作は無効です。"},
    {8275, "要求されたフォルダまたはファイルはすでに使用中です。"},
    {8276, "要求された操作のパラメータが無効です。"},
    {8283, "アプリケーションのメモリ不足です。メモリの空き容量を増やすため、使用していないウィンドウを閉じてください。"},
    {8284, "相手先パソコンと接続しないと、この作業を完了できません。接続してからもう一度実行してください。"},
    {8285, "すでにこのパソコンと接続しています。"},
    {8286, "すべてのウィンドウを閉じないとこの作業を完了できません。すべてのウィンドウを閉じてからもう一度実行してください。"},
    {8287, "重大なアプリケーション エラーが生じました。VELMORA を再起動してください。"},
    // Dialogs.
    {8292, "現在のダイアログ ボックスを閉じます..."},
    // Byte counts: units and number formats.
    {8293, "バイト"},
    {8294, "%ld"},
    {8295, " KB"},
    {8296, "%.1f"},
    {8297, " MB"},
    {8298, "%.1f"},
    {8299, " GB"},
    {8300, "%.1f"},
    // The plain-text log banner.
    {8493, "*************************************************************** "},
    {8495, "   $ProductName$ ログ ファイル"},
    {8497, "   開始時間：  %s"},
    {8498, "   終了時間：  %s"},
    {8499, "*************************************************************** "},
    {8501, "%d/%d/%d at %d:%02d:%02d"},
    {8503, "%02d:%02d:%02d  "},
    // Button texts.
    {8593, "閉じる"},
    {8594, "ヘルプ"},
};

}  // namespace

// The address of kStrings names this module.
void vks::res::registerStrings()
{
    VksRegisterStringTable(kStrings, kStrings, std::size(kStrings));
}

void vks::res::unregisterStrings()
{
    VksUnregisterStringTables(kStrings);
}
