<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ja_JP">
<context>
    <name>CareWindows</name>
    <message>
        <source>ダメなのぉ...</source>
        <translation>No way...</translation>
    </message>
    <message>
        <source>今日は自動給餌期間です.
餌はあげられません.</source>
        <translation>The feeder is on today.
You cannot feed now.</translation>
    </message>
    <message>
        <source>今日はこれ以上餌をあげられません.
一日に餌は３回までです.</source>
        <translation>No more food today.
Three meals a day at most.</translation>
    </message>
    <message>
        <source>水の交換はできません.
水交換は、一日一回限りです.</source>
        <translation>You cannot change the water.
Only one water change a day.</translation>
    </message>
    <message>
        <source>ダメなのぉ....</source>
        <translation>No way....</translation>
    </message>
    <message>
        <source>自動給餌機能の解除</source>
        <translation>Stop the feeder</translation>
    </message>
    <message>
        <source>現在、自動給餌機能がセットされています
リセットしますか？</source>
        <translation>The automatic feeder is set now.
Reset it?</translation>
    </message>
    <message>
        <source>自動給餌を解除しました.</source>
        <translation>The feeder is stopped.</translation>
    </message>
    <message>
        <source>この「ばすぽう」の情報</source>
        <translation>About this VASPO</translation>
    </message>
</context>
<context>
    <name>Fortune</name>
    <message>
        <source>もうダメかもしれない。大凶</source>
        <translation>It may be the end. Worst luck</translation>
    </message>
    <message>
        <source>チョット不幸な、凶</source>
        <translation>A little unlucky. Bad luck</translation>
    </message>
    <message>
        <source>まずます。小吉</source>
        <translation>Not bad. Small luck</translation>
    </message>
    <message>
        <source>良いことあるかな？中吉</source>
        <translation>Something nice coming? Good luck</translation>
    </message>
    <message>
        <source>今日はラッキー。大吉</source>
        <translation>Lucky today! Best luck</translation>
    </message>
</context>
<context>
    <name>Janken</name>
    <message>
        <source>%1は、グーです。</source>
        <translation>%1 shows rock. </translation>
    </message>
    <message>
        <source>%1は、パーです。</source>
        <translation>%1 shows paper. </translation>
    </message>
    <message>
        <source>%1は、チョキです。</source>
        <translation>%1 shows scissors. </translation>
    </message>
</context>
<context>
    <name>PlayWindows</name>
    <message>
        <source>%1と会話</source>
        <translation>Talk: %1</translation>
    </message>
    <message>
        <source>ばすぽうジャンケン</source>
        <translation>VASPO Janken</translation>
    </message>
    <message>
        <source>%1とジャンケン対決！！</source>
        <translation>Janken match with %1!!</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>はい(&amp;Y)</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>いいえ(&amp;N)</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>つまんないなぁ..</source>
        <translation>How boring..</translation>
    </message>
    <message>
        <source>仕事はやめて、遊ぼうよ！</source>
        <translation>Stop working, let&apos;s play!</translation>
    </message>
    <message>
        <source>がんばってる？</source>
        <translation>Working hard?</translation>
    </message>
    <message>
        <source>元気？</source>
        <translation>How are you?</translation>
    </message>
    <message>
        <source>私はまずまずよ</source>
        <translation>I&apos;m doing all right</translation>
    </message>
    <message>
        <source>暇だね</source>
        <translation>Nothing to do, huh</translation>
    </message>
    <message>
        <source>今日の天気はどう？</source>
        <translation>How&apos;s the weather today?</translation>
    </message>
    <message>
        <source>明日は晴れるかなぁ？</source>
        <translation>Will it be sunny tomorrow?</translation>
    </message>
    <message>
        <source>仕事をやめて、飲みに行こう！</source>
        <translation>Quit work, let&apos;s go for a drink!</translation>
    </message>
    <message>
        <source>遊びに行こうよ</source>
        <translation>Let&apos;s go out and play</translation>
    </message>
    <message>
        <source>ストレスがたまるとダメなの</source>
        <translation>Stress is bad for me</translation>
    </message>
    <message>
        <source>今日も元気いっぱい！</source>
        <translation>Full of energy today!</translation>
    </message>
    <message>
        <source>御意見・御感想は、掲示板に書いてね</source>
        <translation>Post your thoughts on the board</translation>
    </message>
    <message>
        <source>たまには作者に感想のメールでも送ってね</source>
        <translation>Mail the author now and then</translation>
    </message>
    <message>
        <source>疲れてきたかな</source>
        <translation>I&apos;m getting tired</translation>
    </message>
    <message>
        <source>すごく気持ちがいいなぁ...</source>
        <translation>This feels so good...</translation>
    </message>
    <message>
        <source>いつまでも可愛がってね</source>
        <translation>Love me forever</translation>
    </message>
    <message>
        <source>一緒に泳げたらいいのにね</source>
        <translation>If only we could swim together</translation>
    </message>
    <message>
        <source>お母さんはどこにいるんだろう</source>
        <translation>Where is my mother, I wonder</translation>
    </message>
    <message>
        <source>今日のご飯は何だろう</source>
        <translation>What&apos;s for dinner today?</translation>
    </message>
    <message>
        <source>ほんとうのバスポウは飼育が難しいらしいよ</source>
        <translation>Real vaspos are hard to keep</translation>
    </message>
    <message>
        <source>エサによって元気度の回復は違うんだ</source>
        <translation>Each food gives different energy</translation>
    </message>
    <message>
        <source>エサの量も気をつけてね</source>
        <translation>Mind the amount of food too</translation>
    </message>
    <message>
        <source>ストレスは、数字が大きくなるほどたまっているんだ</source>
        <translation>The bigger the stress number, the worse</translation>
    </message>
    <message>
        <source>ストレスがマイナスだと幸せだな</source>
        <translation>Stress below zero makes me happy</translation>
    </message>
    <message>
        <source>今日が良い一日であればいいね</source>
        <translation>Hope today is a good day</translation>
    </message>
    <message>
        <source>コンピュータって楽しい？</source>
        <translation>Are computers fun?</translation>
    </message>
    <message>
        <source>今日の予定はどんな感じ？</source>
        <translation>What are your plans today?</translation>
    </message>
    <message>
        <source>今日はどこにも出かけないの？</source>
        <translation>Not going anywhere today?</translation>
    </message>
    <message>
        <source>もっともっと大きくなりたい！</source>
        <translation>I want to grow bigger and bigger!</translation>
    </message>
    <message>
        <source>ココにでるメッセージを全部信じちゃダメだよ</source>
        <translation>Don&apos;t believe all I say here</translation>
    </message>
    <message>
        <source>エビが食べたいなぁ</source>
        <translation>I&apos;d like some shrimp</translation>
    </message>
    <message>
        <source>イカが食べたいなぁ</source>
        <translation>I&apos;d like some squid</translation>
    </message>
    <message>
        <source>クラゲが食べたいなぁ</source>
        <translation>I&apos;d like a jellyfish</translation>
    </message>
    <message>
        <source>楽しいなぁ！</source>
        <translation>What fun!</translation>
    </message>
    <message>
        <source>おなかがすいたよぉ...</source>
        <translation>I&apos;m hungry...</translation>
    </message>
    <message>
        <source>まだ、ご飯は食べれるよ</source>
        <translation>I could still eat something</translation>
    </message>
    <message>
        <source>おなかがへって死にそうだ....</source>
        <translation>I&apos;m starving to death....</translation>
    </message>
    <message>
        <source>おなかが減ってきた....</source>
        <translation>I&apos;m getting hungry....</translation>
    </message>
    <message>
        <source>ご飯がないと死んじゃうよ</source>
        <translation>Without food I&apos;ll die</translation>
    </message>
    <message>
        <source>そろそろご飯が欲しいなぁ。</source>
        <translation>Time for a meal, I think.</translation>
    </message>
    <message>
        <source>ずいぶん、お仕事熱心ですね。もう寝たら？</source>
        <translation>Working so late? Go to bed!</translation>
    </message>
    <message>
        <source>朝早くから、ご苦労様です</source>
        <translation>Up so early, well done</translation>
    </message>
    <message>
        <source>今日も一日がんばりましょう！</source>
        <translation>Let&apos;s do our best today!</translation>
    </message>
    <message>
        <source>お昼ですね。ご飯が食べたいなぁ...</source>
        <translation>It&apos;s noon. I want lunch...</translation>
    </message>
    <message>
        <source>３時になったら、おやつにしましょう！</source>
        <translation>Snack time at three!</translation>
    </message>
    <message>
        <source>３時ですよ。おやつにしませんか？</source>
        <translation>It&apos;s three. How about a snack?</translation>
    </message>
    <message>
        <source>今日も一日ご苦労様でした。</source>
        <translation>Thanks for your hard day.</translation>
    </message>
    <message>
        <source>もう夜ですねぇ......</source>
        <translation>It&apos;s night already......</translation>
    </message>
    <message>
        <source>明日も早いんじゃないですか？もう寝ましょうよ</source>
        <translation>Early start tomorrow? Let&apos;s sleep</translation>
    </message>
    <message>
        <source>かなり気分がいいなぁ....</source>
        <translation>I feel really good....</translation>
    </message>
    <message>
        <source>気分はいいよ</source>
        <translation>I feel good</translation>
    </message>
    <message>
        <source>ふつう</source>
        <translation>So-so</translation>
    </message>
    <message>
        <source>なんか不快</source>
        <translation>Somehow unpleasant</translation>
    </message>
    <message>
        <source>もう、イヤ！！</source>
        <translation>I&apos;ve had enough!!</translation>
    </message>
    <message>
        <source>調子が悪いよぉ....</source>
        <translation>I feel bad....</translation>
    </message>
    <message>
        <source>調子はまずまず</source>
        <translation>I&apos;m all right</translation>
    </message>
    <message>
        <source>調子はいいよ</source>
        <translation>I&apos;m fine</translation>
    </message>
    <message>
        <source>絶好調！</source>
        <translation>In top form!</translation>
    </message>
    <message>
        <source>もう、バリバリ元気！！！</source>
        <translation>Bursting with energy!!!</translation>
    </message>
    <message>
        <source>ご飯が食べたいなぁ....</source>
        <translation>I want some food....</translation>
    </message>
    <message>
        <source>少しおなかが減ったなぁ....</source>
        <translation>A little hungry....</translation>
    </message>
    <message>
        <source>おかわり！</source>
        <translation>More, please!</translation>
    </message>
    <message>
        <source>今日はもう食べられないね</source>
        <translation>No more food today, huh</translation>
    </message>
</context>
<context>
    <name>Talk</name>
    <message>
        <source>今日の天気は？</source>
        <translation>The weather today?</translation>
    </message>
    <message>
        <source>今日の予定は？</source>
        <translation>Plans for today?</translation>
    </message>
    <message>
        <source>今日はひま？</source>
        <translation>Free today?</translation>
    </message>
    <message>
        <source>どこに行く？</source>
        <translation>Where are you going?</translation>
    </message>
    <message>
        <source>忙しい？</source>
        <translation>Busy?</translation>
    </message>
    <message>
        <source>何しているの？</source>
        <translation>What are you doing?</translation>
    </message>
    <message>
        <source>遊んでいる？</source>
        <translation>Playing?</translation>
    </message>
    <message>
        <source>どこから来たの？</source>
        <translation>Where are you from?</translation>
    </message>
    <message>
        <source>君ならどうする？</source>
        <translation>What would you do?</translation>
    </message>
    <message>
        <source>こんばんは</source>
        <translation>Good evening</translation>
    </message>
    <message>
        <source>おはよう</source>
        <translation>Good morning</translation>
    </message>
    <message>
        <source>こんにちは</source>
        <translation>Hello</translation>
    </message>
    <message>
        <source>おやつ？</source>
        <translation>Snack time?</translation>
    </message>
    <message>
        <source>がんばってる？</source>
        <translation>Working hard?</translation>
    </message>
</context>
<context>
    <name>Vaspo</name>
    <message>
        <source>占い謎エサ</source>
        <translation>Fortune food</translation>
    </message>
    <message>
        <source>餌を残しちゃった</source>
        <translation>I left some food</translation>
    </message>
    <message>
        <source>おいしかったなぁ....</source>
        <translation>That was tasty....</translation>
    </message>
    <message>
        <source>水を交換しました</source>
        <translation>The water is changed</translation>
    </message>
    <message>
        <source>明日から%1日間、餌を自動であげます</source>
        <translation>The feeder feeds me from tomorrow, for %1 day(s)</translation>
    </message>
    <message>
        <source>自動給餌機始動</source>
        <translation>Feeder started</translation>
    </message>
    <message>
        <source>今日の日付: %1</source>
        <translation>Today: %1</translation>
    </message>
    <message>
        <source>飼育日数: %1日</source>
        <translation>Days kept: %1</translation>
    </message>
    <message>
        <source>最後に餌をあげた日: %1日前</source>
        <translation>Last fed: %1 day(s) ago</translation>
    </message>
    <message>
        <source>今日あげた餌の回数: %1回</source>
        <translation>Meals today: %1</translation>
    </message>
    <message>
        <source>元気度: %1%</source>
        <translation>Energy: %1%</translation>
    </message>
    <message>
        <source>ストレス: %1</source>
        <translation>Stress: %1</translation>
    </message>
    <message>
        <source>水質汚濁: %1%</source>
        <translation>Water pollution: %1%</translation>
    </message>
    <message>
        <source>きちんと世話をしないので、 %1 は、死んじゃいました....
可哀想なことをしました。
新しく飼育したいときは再起動して下さい。</source>
        <translation>Without proper care, %1 has died....
Poor thing.
Restart the program to keep a new one.</translation>
    </message>
    <message>
        <source>死んじゃいました</source>
        <translation>Dead</translation>
    </message>
    <message>
        <source>「ばすぽう」を終了しますか？</source>
        <translation>Quit VASPO?</translation>
    </message>
    <message>
        <source>ばすぽうの終了</source>
        <translation>Quit VASPO</translation>
    </message>
    <message>
        <source>%1
を読めないので、ばすぽうを始められません。
ファイルの読み取りの権限を確かめて下さい。</source>
        <translation>%1
cannot be read, so VASPO cannot start.
Check the file&apos;s read permission.</translation>
    </message>
    <message>
        <source>設定を読めません</source>
        <translation>Cannot read the settings</translation>
    </message>
    <message>
        <source>%1
が壊れていて、ばすぽうを読み出せませんでした。
新しく飼い始めます。</source>
        <translation>%1
is broken; the fish could not be read.
A new one starts.</translation>
    </message>
    <message>
        <source>%1
が壊れていて、ばすぽうを読み出せませんでした。
%2
として残して、新しく飼い始めます。</source>
        <translation>%1
is broken; the fish could not be read.
%2
keeps it; a new one starts.</translation>
    </message>
    <message>
        <source>設定が壊れています</source>
        <translation>The settings are broken</translation>
    </message>
    <message>
        <source>%1
に書き込めないので、このままでは世話をしても保存されません。</source>
        <translation>%1
cannot be written: the care you give will not be saved.</translation>
    </message>
    <message>
        <source>設定を保存できません</source>
        <translation>Cannot save the settings</translation>
    </message>
    <message>
        <source>水槽のお引っ越し</source>
        <translation>Moving the tank</translation>
    </message>
    <message>
        <source>VASPO.MNBが読めないので、引っ越しはしませんでした。
ファイルはそのまま残して、今までの水槽で始めます。</source>
        <translation>VASPO.MNB cannot be read, so nothing moved.
The file stays; the tank here starts as before.</translation>
    </message>
    <message>
        <source>VASPO.MNBがあるので、水槽をここに引っ越します</source>
        <translation>VASPO.MNB is here: the tank moves in</translation>
    </message>
    <message>
        <source>引っ越したばすぽうを保存できなかったので、%1は残しておきます。
今までの水槽で始めます。</source>
        <translation>The moved fish could not be saved, so %1 is kept.
The tank here starts as before.</translation>
    </message>
    <message>
        <source>%1を削除できませんでした。
次の起動でまた引っ越さないよう、削除して下さい。</source>
        <translation>%1 could not be deleted.
Delete it, or the fish moves in again at the next start.</translation>
    </message>
    <message>
        <source>%1は削除されました</source>
        <translation>%1 has been deleted</translation>
    </message>
    <message>
        <source>引っ越しました！</source>
        <translation>Moved in!</translation>
    </message>
    <message>
        <source>（やっぱり、やめる）</source>
        <translation>(Never mind)</translation>
    </message>
    <message>
        <source>ゆっくり泳ぎたいよ。うるさいなぁ...</source>
        <translation>Let me swim in peace. So noisy...</translation>
    </message>
    <message>
        <source>しつこいなぁ。ゆっくり泳がせてよ。</source>
        <translation>You don&apos;t give up. Let me swim.</translation>
    </message>
    <message>
        <source>からかうのは、やめて！</source>
        <translation>Stop teasing me!</translation>
    </message>
    <message>
        <source>なんか用事？</source>
        <translation>Want something?</translation>
    </message>
    <message>
        <source>%1は、黙ったままです。</source>
        <translation>%1 says nothing.</translation>
    </message>
    <message>
        <source>ジャンケンしようよ。</source>
        <translation>Let&apos;s play janken.</translation>
    </message>
    <message>
        <source>%1の勝ちです。やったー。</source>
        <translation>%1 wins. Hooray!</translation>
    </message>
    <message>
        <source>あいこです</source>
        <translation>It&apos;s a draw</translation>
    </message>
    <message>
        <source>あなたの勝ちです。くやしいぃ！</source>
        <translation>You win. How annoying!</translation>
    </message>
    <message>
        <source>もう、疲れたよ。</source>
        <translation>I&apos;m tired now.</translation>
    </message>
    <message>
        <source>水質汚濁は%1%です。</source>
        <translation>Water pollution is %1%.</translation>
    </message>
    <message>
        <source>今日は、%1です</source>
        <translation>Today is %1</translation>
    </message>
    <message>
        <source>只今の時刻は、%1です</source>
        <translation>The time is %1</translation>
    </message>
    <message>
        <source>出会ってから%1日目だね</source>
        <translation>Day %1 since we met</translation>
    </message>
    <message>
        <source>ストレスは、%1です</source>
        <translation>My stress is %1</translation>
    </message>
    <message>
        <source>元気度%1% です</source>
        <translation>Energy %1%</translation>
    </message>
    <message>
        <source>もう起動してるよ</source>
        <translation>I&apos;m already running</translation>
    </message>
    <message>
        <source>一匹で十分なの</source>
        <translation>One fish is enough</translation>
    </message>
    <message>
        <source>設定のフォルダーに書き込めないので、ばすぽうが二つ起動しても見分けられません。
二つ目は起動しないで下さい。</source>
        <translation>The settings folder cannot be written, so a second VASPO would go unnoticed.
Please do not start a second one.</translation>
    </message>
    <message>
        <source>ばすぽう</source>
        <translation>VASPO</translation>
    </message>
    <message>
        <source>ばすぽうに関するレジストリをすべて削除しました。</source>
        <translation>All of VASPO&apos;s stored settings are deleted.</translation>
    </message>
    <message>
        <source>レジストリを削除しました！</source>
        <translation>Settings deleted!</translation>
    </message>
    <message>
        <source>--- ばすぽう ---
ダウンロードしていただき有り難うございます。
これは、「ばすぽう」を飼育するプログラムです。
毎日きちんとエサをあげて下さい。
そうしないと,,,,,
何はともあれ、可愛がってあげて下さいね。

何かありましたら、メールや掲示板で！
どうぞ、ばすぽうをどうぞよろしく！</source>
        <translation>--- VASPO ---
Thank you for downloading.
This program lets you keep a VASPO.
Feed it properly every day.
Otherwise,,,,,
Above all, love it well.

Anything to say? Mail or the board!
Please take good care of VASPO!</translation>
    </message>
    <message>
        <source>ばすぽう - はじめまして！</source>
        <translation>VASPO - Nice to meet you!</translation>
    </message>
    <message>
        <source>バージョンアップして貰ってありがとう！

★バージョンアップ情報
Ver0.31→0.32
&#x3000;・2001/01/01に世話ができないバグを修正
&#x3000;・その他、細かいバグなどの修正
Ver0.30→0.31
&#x3000;・WindowsNT対応(したつもり)
&#x3000;・「ばすぽう」と会話ができるようになった
&#x3000;・「ばすぽう」とジャンケンができるようになった
&#x3000;・8月と12月は7日間の自動給餌機能が可能
&#x3000;・パラメーターの変化について変更

これからも、ばすぽうをどうぞよろしく！</source>
        <translation>Thank you for upgrading!

* What&apos;s new
Ver0.31→0.32
  - Fixed: no care possible on 2001/01/01
  - Other small fixes
Ver0.30→0.31
  - Runs on Windows NT (we hope)
  - You can talk with VASPO
  - You can play janken with VASPO
  - A 7-day feeder in August and December
  - Changes in how the values change

Please keep taking care of VASPO!</translation>
    </message>
    <message>
        <source>ばすぽうバージョンアップ情報</source>
        <translation>VASPO: what&apos;s new</translation>
    </message>
    <message>
        <source>私の名前は、%1です。可愛がってね。</source>
        <translation>My name is %1. Be nice to me.</translation>
    </message>
    <message>
        <source>%1 - ばすぽう</source>
        <translation>%1 - VASPO</translation>
    </message>
    <message>
        <source>名前を付けてね</source>
        <translation>Give me a name</translation>
    </message>
    <message>
        <source>はじめまして....ばすぽう</source>
        <translation>Hello.... VASPO</translation>
    </message>
    <message>
        <source>ななしの権兵衛</source>
        <translation>Nameless</translation>
    </message>
    <message>
        <source>飼育するのをやめますか？</source>
        <translation>Stop keeping the fish?</translation>
    </message>
    <message>
        <source>ばすぽうはお嫌い？</source>
        <translation>Don&apos;t you like VASPO?</translation>
    </message>
    <message>
        <source>このばすぽうはオスですか？</source>
        <translation>Is this VASPO a male?</translation>
    </message>
    <message>
        <source>ばすぽうの性別を決定します</source>
        <translation>Choose VASPO&apos;s sex</translation>
    </message>
    <message>
        <source>%1の独り言</source>
        <translation>%1 talks to itself</translation>
    </message>
    <message>
        <source>あんまり、さわらないで。</source>
        <translation>Don&apos;t touch me so much.</translation>
    </message>
    <message>
        <source>あんまり、さわっちゃいや～ん。</source>
        <translation>Don&apos;t touch me so much, please～.</translation>
    </message>
    <message>
        <source>%1 飼育日数: %2日</source>
        <translation>%1 Days kept: %2</translation>
    </message>
</context>
<context>
    <name>frmALBUM</name>
    <message>
        <source>アルバム</source>
        <translation>Album</translation>
    </message>
    <message>
        <source>アルバム(&amp;A)</source>
        <translation>&amp;Album</translation>
    </message>
    <message>
        <source>写真削除(&amp;D)...</source>
        <translation>&amp;Delete photo...</translation>
    </message>
    <message>
        <source>終了(&amp;E)</source>
        <translation>&amp;Exit</translation>
    </message>
    <message>
        <source>削除する写真を選択して下さい</source>
        <translation>Choose the photo to delete</translation>
    </message>
    <message>
        <source>写真を選択して下さい</source>
        <translation>Choose a photo</translation>
    </message>
    <message>
        <source>%1を削除してよろしいですか</source>
        <translation>Delete %1?</translation>
    </message>
    <message>
        <source>写真を削除します</source>
        <translation>Delete photo</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>作った日</source>
        <translation>Made on</translation>
    </message>
    <message>
        <source>&amp;Uninstall...</source>
        <translation>&amp;Uninstall...</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>この「ばすぽう」の絵が最初の「ばすぽう」と同じサイズです</source>
        <translation>This picture shows VASPO at its first size</translation>
    </message>
    <message>
        <source>ばすぽうについて</source>
        <translation>About VASPO</translation>
    </message>
    <message>
        <source>ばすぽう Ver.%1</source>
        <translation>VASPO Ver.%1</translation>
    </message>
    <message>
        <source>レジストリを削除しました。
終了後、インストールした実行ファイル・ヘルプファイル・ドキュメントファイルなどを削除してください。</source>
        <translation>The stored settings are deleted.
After exit, delete the installed program, help and documents.</translation>
    </message>
    <message>
        <source>アンインストールしました！</source>
        <translation>Uninstalled!</translation>
    </message>
    <message>
        <source>アンストールします。
現在の設定などをレジストリから削除します。
削除すると二度と復活できなくなります。
よろしいですか？</source>
        <translation>Uninstalling.
The current settings will be deleted.
Once deleted they never come back.
Are you sure?</translation>
    </message>
    <message>
        <source>アンインストール</source>
        <translation>Uninstall</translation>
    </message>
    <message>
        <source>アンインストールします。
本当によろしいですか？</source>
        <translation>Uninstalling.
Really sure?</translation>
    </message>
    <message>
        <source>アンインストール・最終確認</source>
        <translation>Uninstall - last check</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 ばすぽう開発チーム</source>
        <translation>Copyright (C) 2026 The VASPO team</translation>
    </message>
</context>
<context>
    <name>frmAutoFoods</name>
    <message>
        <source>自動給餌機</source>
        <translation>Automatic feeder</translation>
    </message>
    <message>
        <source>1日</source>
        <translation>1d</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>&#x3000;自動で餌をあげます。自動で餌をあげられる期間は、明日から%1日間までです。</source>
        <translation>  The feeder feeds the fish by itself, from tomorrow for up to %1 days.</translation>
    </message>
    <message>
        <source>%1日</source>
        <translation>%1d</translation>
    </message>
</context>
<context>
    <name>frmFood</name>
    <message>
        <source>餌をあげる</source>
        <translation>Feed</translation>
    </message>
    <message>
        <source>餌の種類と量を決定して下さい。</source>
        <translation>Choose the kind and amount of food.</translation>
    </message>
    <message>
        <source>エサの種類</source>
        <translation>Kind of food</translation>
    </message>
    <message>
        <source>クラゲ(&amp;K)</source>
        <translation>&amp;Jellyfish</translation>
    </message>
    <message>
        <source>イカ(&amp;I)</source>
        <translation>S&amp;quid</translation>
    </message>
    <message>
        <source>エビ(&amp;E)</source>
        <translation>S&amp;hrimp</translation>
    </message>
    <message>
        <source>占い謎エサ(&amp;U)</source>
        <translation>Fo&amp;rtune</translation>
    </message>
    <message>
        <source>エサの量</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>すこし(&amp;S)</source>
        <translation>&amp;Little</translation>
    </message>
    <message>
        <source>ふつう(&amp;F)</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>たくさん(&amp;T)</source>
        <translation>Lo&amp;ts</translation>
    </message>
    <message>
        <source>やめた(&amp;C)</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>あげる(&amp;O)</source>
        <translation>&amp;Feed</translation>
    </message>
</context>
<context>
    <name>frmJanken</name>
    <message>
        <source>ばすぽうジャンケン</source>
        <translation>VASPO Janken</translation>
    </message>
    <message>
        <source>ばすぽうとじゃんけん対決！！</source>
        <translation>Janken match with VASPO!!</translation>
    </message>
    <message>
        <source>グー</source>
        <translation>Rock</translation>
    </message>
    <message>
        <source>パー</source>
        <translation>Paper</translation>
    </message>
    <message>
        <source>チョキ</source>
        <translation>Scissors</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>ばすぽう</source>
        <translation>VASPO</translation>
    </message>
    <message>
        <source>「ばすぽう」からのメッセージ：あんまり真に受けないように</source>
        <translation>A message from VASPO: don&apos;t take it too seriously</translation>
    </message>
    <message>
        <source>ストレス：小さい程良い。すなわちマイナスの方がよい。</source>
        <translation>Stress: the smaller the better, below zero is best.</translation>
    </message>
    <message>
        <source>元気度：大きいほど良い。</source>
        <translation>Energy: the bigger the better.</translation>
    </message>
    <message>
        <source>水の汚濁度：小さいほど良い。</source>
        <translation>Water pollution: the smaller the better.</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>新たに飼育(&amp;N)...</source>
        <translation>&amp;New fish...</translation>
    </message>
    <message>
        <source>水槽のお引っ越し(&amp;M)...</source>
        <translation>&amp;Move the tank...</translation>
    </message>
    <message>
        <source>終了(&amp;X)...</source>
        <translation>E&amp;xit...</translation>
    </message>
    <message>
        <source>世話(&amp;C)</source>
        <translation>&amp;Care</translation>
    </message>
    <message>
        <source>餌をあげる(&amp;F)...</source>
        <translation>&amp;Feed...</translation>
    </message>
    <message>
        <source>水の交換(&amp;W)...</source>
        <translation>Change &amp;water...</translation>
    </message>
    <message>
        <source>お話(&amp;T)</source>
        <translation>&amp;Talk</translation>
    </message>
    <message>
        <source>ジャンケン(&amp;J)</source>
        <translation>&amp;Janken</translation>
    </message>
    <message>
        <source>自動給餌機(&amp;A)...</source>
        <translation>&amp;Automatic feeder...</translation>
    </message>
    <message>
        <source>写真撮影(&amp;P)...</source>
        <translation>Take a &amp;photo...</translation>
    </message>
    <message>
        <source>アルバム(&amp;V)...</source>
        <translation>Album (&amp;V)...</translation>
    </message>
    <message>
        <source>様子を見る(&amp;L)...</source>
        <translation>&amp;Look at the fish...</translation>
    </message>
    <message>
        <source>ｵﾌﾟｼｮﾝ(&amp;O)</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>バックスクリーン(&amp;S)...</source>
        <translation>Back&amp;screen...</translation>
    </message>
    <message>
        <source>アクセサリ(&amp;A)...</source>
        <translation>&amp;Accessories...</translation>
    </message>
    <message>
        <source>常に手前に表示(&amp;T)</source>
        <translation>Always on &amp;top</translation>
    </message>
    <message>
        <source>メッセージを表示する(&amp;M)</source>
        <translation>Show &amp;messages</translation>
    </message>
    <message>
        <source>最小化はタスクトレイへ(&amp;I)</source>
        <translation>M&amp;inimise to the tray</translation>
    </message>
    <message>
        <source>ﾍﾙﾌﾟ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>ｲﾝﾀｰﾈｯﾄ</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>作者にメールを出す(&amp;M)</source>
        <translation>&amp;Mail the author</translation>
    </message>
    <message>
        <source>『オスケペディア』にアクセス(&amp;H)</source>
        <translation>Visit &quot;Oskepedia&quot; (&amp;H)</translation>
    </message>
    <message>
        <source>『OSKE&apos;S Program Library』にアクセス(&amp;P)</source>
        <translation>Visit &quot;OSKE&apos;S &amp;Program Library&quot;</translation>
    </message>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ情報(&amp;A)...</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <source>%1を海に帰します。
新しい「ばすぽう」を飼育し始めます。
現在のデータは削除されます。
よろしいですか？</source>
        <translation>%1 goes back to the sea.
You start keeping a new VASPO.
The current data will be deleted.
Are you sure?</translation>
    </message>
    <message>
        <source>新たに飼育</source>
        <translation>New fish</translation>
    </message>
    <message>
        <source>現在のデータは二度と復活できません。
本当によろしいですか？</source>
        <translation>The current data can never come back.
Really sure?</translation>
    </message>
    <message>
        <source>新たに飼育・最終確認</source>
        <translation>New fish - last check</translation>
    </message>
    <message>
        <source>お引っ越し</source>
        <translation>Moving</translation>
    </message>
    <message>
        <source>水槽のお引っ越しをしますか？</source>
        <translation>Move the tank?</translation>
    </message>
    <message>
        <source>%1に書き込めなかったので、引っ越しをやめました。
ばすぽうは今までどおりここにいます。</source>
        <translation>%1 could not be written, so the move is off.
VASPO stays here as before.</translation>
    </message>
    <message>
        <source>引っ越しの準備ができました！
%1に梱包しました。
このファイルを引っ越す場所（パソコン）にいれて下さい。
詳しくは、ヘルプファイルをご覧下さい。</source>
        <translation>Ready to move!
Packed into %1.
Put this file where the fish moves to (the other computer).
See the help for details.</translation>
    </message>
    <message>
        <source>引っ越し準備完了！</source>
        <translation>Ready to move!</translation>
    </message>
    <message>
        <source>ばすぽう ヘルプ</source>
        <translation>VASPO Help</translation>
    </message>
    <message>
        <source>VASPO.HLP</source>
        <comment>file name of the help in this language</comment>
        <translation>VASPO_en.HLP</translation>
    </message>
    <message>
        <source>ログイン時に起動(&amp;L)</source>
        <translation>Start at login(&amp;L)</translation>
    </message>
    <message>
        <source>ログイン時の起動を変えられませんでした。
%1</source>
        <translation>Could not change starting at login.
%1</translation>
    </message>
    <message>
        <source>ログイン時に起動</source>
        <translation>Start at login</translation>
    </message>
</context>
<context>
    <name>frmMsg</name>
    <message>
        <source>メッセージ</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>ばすぽうと遊ぶ</source>
        <translation>Play with VASPO</translation>
    </message>
    <message>
        <source>話す(&amp;T)</source>
        <translation>&amp;Talk</translation>
    </message>
    <message>
        <source>ジャンケン(&amp;J)</source>
        <translation>&amp;Janken</translation>
    </message>
    <message>
        <source>ばすぽうを表示(&amp;A)</source>
        <translation>Show VASPO (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>frmPhoto</name>
    <message>
        <source>「ばすぽう」カメラ</source>
        <translation>VASPO Camera</translation>
    </message>
    <message>
        <source>撮影(&amp;O)</source>
        <translation>Sh&amp;oot</translation>
    </message>
    <message>
        <source>「ばすぽう」を撮影します。&quot;現像&quot;ボタンで画像の保存。</source>
        <translation>Takes a photo of VASPO. &quot;Develop&quot; saves the picture.</translation>
    </message>
    <message>
        <source>現像(&amp;P)</source>
        <translation>Develo&amp;p</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>カメラをしまいます</source>
        <translation>Puts the camera away</translation>
    </message>
    <message>
        <source>撮影した画像が見えます。保存は&quot;現像&quot;ボタンで。</source>
        <translation>The photo taken shows here. &quot;Develop&quot; saves it.</translation>
    </message>
    <message>
        <source>%1
に写真を保存できませんでした。</source>
        <translation>The photo could not be saved in
%1</translation>
    </message>
</context>
<context>
    <name>frmPic</name>
    <message>
        <source>画像の選択</source>
        <translation>Choose a picture</translation>
    </message>
    <message>
        <source>画像は貼らない(&amp;D)</source>
        <translation>No picture (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>frmTalk</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>お話</source>
        <translation>Talk</translation>
    </message>
</context>
<context>
    <name>frmTray</name>
    <message>
        <source>タスクトレイに入れる(&amp;T)</source>
        <translation>Put into the &amp;tray</translation>
    </message>
    <message>
        <source>タスクトレイから出す(&amp;T)</source>
        <translation>Take out of the &amp;tray</translation>
    </message>
    <message>
        <source>ばすぽう</source>
        <translation>VASPO</translation>
    </message>
    <message>
        <source>ばすぽうの終了(&amp;X)...</source>
        <translation>E&amp;xit VASPO...</translation>
    </message>
    <message>
        <source>ばすぽう - %1</source>
        <translation>VASPO - %1</translation>
    </message>
</context>
<context>
    <name>frmWater</name>
    <message>
        <source>水を交換する</source>
        <translation>Change the water</translation>
    </message>
    <message>
        <source>交換する水の量を決定して下さい。</source>
        <translation>Choose how much water to change.</translation>
    </message>
    <message>
        <source>現在の汚濁度: 0%</source>
        <translation>Pollution now: 0%</translation>
    </message>
    <message>
        <source>交換水量 : 0%</source>
        <translation>Water changed : 0%</translation>
    </message>
    <message>
        <source>やめた(&amp;C)</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>水交換(&amp;O)</source>
        <translation>Change (&amp;O)</translation>
    </message>
    <message>
        <source>(現在の汚濁度:%1%)</source>
        <translation>(Pollution now: %1%)</translation>
    </message>
    <message>
        <source>交換水量 : %1%</source>
        <translation>Water changed : %1%</translation>
    </message>
</context>
</TS>
