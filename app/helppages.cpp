#include "app/helppages.h"

#include <array>

const HelpPageText &helpPage(int page)
{
    static const std::array<HelpPageText, kHelpPages> pages = {{
        {QStringLiteral("＜＜項目選択画面操作＞＞"),
         {QStringLiteral("Ｆ１を押すか　ＭＥＮＵ(F1）をクリック 問題画面（１～２０）"),
          QStringLiteral("Ｆ２を押すか　ＭＥＮＵ(F2）をクリック 問題画面（２１～４０）"),
          QString(),
          QStringLiteral("クリックで　項目選択"),
          QStringLiteral("ダブルクリックで　項目スタート"),
          QStringLiteral("[↑]を押すと　上へ"),
          QStringLiteral("[↓]を押すと　下へ"),
          QStringLiteral("スペースを押すと　上から下へ繰り返し"),
          QStringLiteral("項目番号を打てば　その項目を選択"),
          QStringLiteral("項目番号を選んで　[Enter]を押せば　項目スタート"),
          QStringLiteral("成績表をクリックすると　成績画面へ")}},
        {QStringLiteral("＜＜問題選択画面操作＞＞"),
         {QStringLiteral("クリックで　項目選択"),
          QStringLiteral("ダブルクリックで　項目スタート"),
          QStringLiteral("[↑]を押すと　上へ"),
          QStringLiteral("[↓]を押すと　下へ"),
          QStringLiteral("スペースを押すと　上から下へ繰り返し"),
          QStringLiteral("項目番号を打てば　その項目を選択"),
          QStringLiteral("項目番号を選んで [Enter]を押せば　項目スタート")}},
        {QStringLiteral("＜＜ノートに写す画面操作＞＞"),
         {QStringLiteral("[↑]を押すと　上へ"),
          QStringLiteral("[↓]を押すと　下へ"),
          QStringLiteral("順番に見る　→　1つずつ見れる"),
          QStringLiteral("スタートに戻る　→　最初から")}},
        {QStringLiteral("＜＜順番とランダムのテスト画面操作（５問選択問題テスト）＞＞"),
         {QStringLiteral("音声ボタンをクリックするか、[Enter] キーを押すことによって音が聞こえます。"),
          QStringLiteral("[判定] をマウスでクリックしても　判定"),
          QStringLiteral("↑↓キーで選んで、[Enter]キーで判定"),
          QStringLiteral("スペースで選んで、[Enter]キーで判定"),
          QStringLiteral("数字(1,2,3,4,5）で選んで、[Enter]キーで判定"),
          QStringLiteral("マウスでクリックして選んで、ダブルクリックで判定"),
          QStringLiteral("間違えた場合、間違いを確認ボタンを押すか、[スペース]キーを押せば続ける事が出来ます。")}},
        {QStringLiteral("＜＜順番とランダムのテスト画面操作（英単語・英作文テスト）＞＞"),
         {QStringLiteral("音声ボタンをクリックか、[Ctrl]キーを押せば音声が出ます。"),
          QStringLiteral("答えを入力して　[Enter]を押すと判定"),
          QStringLiteral("[ヒント]ボタンを押すとボタンを押している間だけ答えが見れます。"),
          QStringLiteral("間違った問題やヒントを使った問題があった場合、正解するまでテストが出来ます。")}},
    }};
    const int index = page < 1 ? 0 : (page > kHelpPages ? kHelpPages - 1 : page - 1);
    return pages[size_t(index)];
}
