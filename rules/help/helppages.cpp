#include "rules/help/helppages.h"

#include "rules/tests/fixedwords.h"

#include <array>

const HelpPageText &typingRulesPage()
{
    static const HelpPageText page = [] {
        // The words of the course's table a learner meets most, as the table writes them.
        const QStringList shown = {QStringLiteral("写真・絵"), QStringLiteral("始まる・始める"), QStringLiteral("店"),
                                   QStringLiteral("映画"), QStringLiteral("うれしい"), QStringLiteral("難しい"),
                                   QStringLiteral("たくさん"), QStringLiteral("自転車"), QStringLiteral("休み・休暇"),
                                   QStringLiteral("起きる"), QStringLiteral("晴れ"),
                                   QStringLiteral("図書館で")};
        QStringList words;
        for (const FixedWord &w : FixedWords::shared()) {
            if (shown.contains(w.japanese.join(u'・')))
                words << w.japanese.join(u'・') + u' ' + w.english;
        }
        HelpPageText text{QStringLiteral("＜＜英単語テストの答え方（この教材の決まり）＞＞"),
                          {QStringLiteral("答えは、正しい英語とぴったり同じときだけ正解です。次のように書きます。"),
                           QStringLiteral("・短縮しない形で書きます（I'm → I am、isn't → is not、don't → do not）。"),
                           QStringLiteral("　（短縮形で）とあるときだけ短縮形にします。Let's と o'clock はこのままです。"),
                           QStringLiteral("・数は英語のつづりで書きます（13 → thirteen、七時に → at seven）。"),
                           QStringLiteral("・つづりはアメリカ式です（color、favorite、center、theater）。"),
                           QStringLiteral("・文は大文字で始め、最後に「.」か「?」を付けます（日本語が「！」なら「!」）。"),
                           QStringLiteral("・単語や熟語には「.」を付けません。単語の間は半角スペース1つです。"),
                           QStringLiteral("・カンマは Yes, / No, の後や、文の終わりの too の前などだけに付けます。"),
                           QStringLiteral("・when / if / because の部分は日本語と同じ順番にします（前に置くときはカンマ）。"),
                           QStringLiteral("・場所と時のことばは文の終わりに、場所→時の順に置きます。"),
                           QStringLiteral("・a / the や単数・複数は日本語に合わせます（一ぴきの犬 a dog、犬を二ひき two dogs）。"),
                           QStringLiteral("・決まった語（ほかの語のときは（photoを使って）のように書いてあります）："),
                           QString(), QString(), QString(),
                           QStringLiteral("まちがえると、答えの下に【三単現】【つづり】など、まちがいの種類が出ます。")}};
        for (int line = 12; line < 15 && !words.isEmpty(); ++line)
            text.lines[line] = QStringLiteral("　") + words.mid(0, 4).join(QStringLiteral("、")), words = words.mid(4);
        return text;
    }();
    return page;
}

const HelpPageText &helpPage(int page)
{
    if (page == kRulesHelpPage)
        return typingRulesPage();
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
