<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>Panel</name>
    <message>
        <source>ゆぬり～</source>
        <translatorcomment>GLOSSARY: one English word for each idea, written as a visitor to the lecture room would say it. Use the word first on each line; the words after Not: are set aside, so that one idea never goes by two names.
source: what the panel can show, one of the eleven buttons on the left (a PC, a camera, a player, an input). Not: device, input source, video source
choose: picking a source. Not: select
monitor: the display beside the panel that shows the chosen source before it is sent. Not: preview
screen: the left or the right projection screen; a source is sent to it. Not: display
send: putting the monitor&apos;s picture on a screen. Not: output
picture: what a source gives. Not: image
blank: no picture; the first source button and the strips under the screens say Blank. Not: video off, no video
projector: it switches on, warms up, is ready, switches off and cools down; its buttons say On and Off. Not: shut down, boot
remote: the keys that work the chosen source, in the column on the left. Not: remote control
room sound: what the speakers play; its level is the volume. Not: audio
mute: MUTE turns the room sound off, and pressed again the room sound is back on. Not: unmute, silence
player: the DVD player and the CD/MD player play, pause, stop; a disc or a tape is what they play.
exit: ends the panel program; the computer and the room stay on. Not: quit, shut down, the system
notice: the card shown at the start; pressed, it goes and the panel can be used.
In a sentence a source takes the and lower case (The monitor shows the dome camera.); on a button it is a name (Dome camera). Captions are short statements in the present tense; descriptions for screen readers start with a verb (Shows, Sends, Switches).</translatorcomment>
        <translation>Yunuri</translation>
    </message>
    <message>
        <source>ゆぬり～  MUTE中です｡</source>
        <translation>Yunuri  MUTE is on: the room sound stays off.</translation>
    </message>
    <message>
        <source>ゆぬり～  右側ｽｸﾘｰﾝに｢DVD/VTR｣映像が表示されました｡</source>
        <translation>Yunuri  The right screen shows the DVD/VTR.</translation>
    </message>
    <message>
        <source>ゆぬり～  右側ｽｸﾘｰﾝに｢DVD｣映像が表示されました｡</source>
        <translation>Yunuri  The right screen shows the DVD player.</translation>
    </message>
    <message>
        <source>ゆぬり～  右側ｽｸﾘｰﾝに｢RGB入力｣映像が表示されました｡</source>
        <translation>Yunuri  The right screen shows the RGB input.</translation>
    </message>
    <message>
        <source>ゆぬり～  右側ｽｸﾘｰﾝに｢世界対応VTR｣映像が表示されました｡</source>
        <translation>Yunuri  The right screen shows the multi-standard VTR.</translation>
    </message>
    <message>
        <source>ゆぬり～  右側ｽｸﾘｰﾝに｢書画ｶﾒﾗ｣映像が表示されました｡</source>
        <translation>Yunuri  The right screen shows the document camera.</translation>
    </message>
    <message>
        <source>ゆぬり～  右側ｽｸﾘｰﾝに｢ｽﾀﾝﾄﾞｶﾒﾗ｣映像が表示されました｡</source>
        <translation>Yunuri  The right screen shows the stand camera.</translation>
    </message>
    <message>
        <source>ゆぬり～  右側ｽｸﾘｰﾝに｢ﾃﾞｽｸﾄｯﾌﾟPC｣映像が表示されました｡</source>
        <translation>Yunuri  The right screen shows the desktop PC.</translation>
    </message>
    <message>
        <source>ゆぬり～  右側ｽｸﾘｰﾝに｢ﾄﾞｰﾑｶﾒﾗ｣映像が表示されました｡</source>
        <translation>Yunuri  The right screen shows the dome camera.</translation>
    </message>
    <message>
        <source>ゆぬり～  右側ｽｸﾘｰﾝに｢ﾉｰﾄPC｣映像が表示されました｡</source>
        <translation>Yunuri  The right screen shows the laptop.</translation>
    </message>
    <message>
        <source>ゆぬり～  右側ｽｸﾘｰﾝに｢ﾋﾞﾃﾞｵ入力｣映像が表示されました｡</source>
        <translation>Yunuri  The right screen shows the video input.</translation>
    </message>
    <message>
        <source>ゆぬり～  右側ｽｸﾘｰﾝに｢ﾜｲﾔﾚｽPC｣映像が表示されました｡</source>
        <translation>Yunuri  The right screen shows the wireless PC.</translation>
    </message>
    <message>
        <source>ゆぬり～  右側ｽｸﾘｰﾝ映像が非表示になりました｡</source>
        <translation>Yunuri  The right screen is blank.</translation>
    </message>
    <message>
        <source>ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀが完全に起動しました｡</source>
        <translation>Yunuri  The right projector is ready.</translation>
    </message>
    <message>
        <source>ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀが起動を始めました｡</source>
        <translation>Yunuri  The right projector is warming up.</translation>
    </message>
    <message>
        <source>ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀがｸｰﾘﾝｸﾞを始めました｡</source>
        <translation>Yunuri  The right projector is cooling down.</translation>
    </message>
    <message>
        <source>ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀの電源がOFFしました｡</source>
        <translation>Yunuri  The right projector is off.</translation>
    </message>
    <message>
        <source>ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀ電源がONしていません｡</source>
        <translation>Yunuri  The right projector is not switched on.</translation>
    </message>
    <message>
        <source>ゆぬり～  室内の音声が大きくなりました｡</source>
        <translation>Yunuri  The room sound is louder.</translation>
    </message>
    <message>
        <source>ゆぬり～  室内の音声が小さくなりました｡</source>
        <translation>Yunuri  The room sound is quieter.</translation>
    </message>
    <message>
        <source>ゆぬり～  室内の音声が最大になりました｡</source>
        <translation>Yunuri  The room sound is at full volume.</translation>
    </message>
    <message>
        <source>ゆぬり～  室内の音声が消えました｡</source>
        <translation>Yunuri  The room sound is off.</translation>
    </message>
    <message>
        <source>ゆぬり～  左側ｽｸﾘｰﾝに｢DVD/VTR｣映像が表示されました｡</source>
        <translation>Yunuri  The left screen shows the DVD/VTR.</translation>
    </message>
    <message>
        <source>ゆぬり～  左側ｽｸﾘｰﾝに｢DVD｣映像が表示されました｡</source>
        <translation>Yunuri  The left screen shows the DVD player.</translation>
    </message>
    <message>
        <source>ゆぬり～  左側ｽｸﾘｰﾝに｢RGB入力｣映像が表示されました｡</source>
        <translation>Yunuri  The left screen shows the RGB input.</translation>
    </message>
    <message>
        <source>ゆぬり～  左側ｽｸﾘｰﾝに｢世界対応VTR｣映像が表示されました｡</source>
        <translation>Yunuri  The left screen shows the multi-standard VTR.</translation>
    </message>
    <message>
        <source>ゆぬり～  左側ｽｸﾘｰﾝに｢書画ｶﾒﾗ｣映像が表示されました｡</source>
        <translation>Yunuri  The left screen shows the document camera.</translation>
    </message>
    <message>
        <source>ゆぬり～  左側ｽｸﾘｰﾝに｢ｽﾀﾝﾄﾞｶﾒﾗ｣映像が表示されました｡</source>
        <translation>Yunuri  The left screen shows the stand camera.</translation>
    </message>
    <message>
        <source>ゆぬり～  左側ｽｸﾘｰﾝに｢ﾃﾞｽｸﾄｯﾌﾟPC｣映像が表示されました｡</source>
        <translation>Yunuri  The left screen shows the desktop PC.</translation>
    </message>
    <message>
        <source>ゆぬり～  左側ｽｸﾘｰﾝに｢ﾄﾞｰﾑｶﾒﾗ｣映像が表示されました｡</source>
        <translation>Yunuri  The left screen shows the dome camera.</translation>
    </message>
    <message>
        <source>ゆぬり～  左側ｽｸﾘｰﾝに｢ﾉｰﾄPC｣映像が表示されました｡</source>
        <translation>Yunuri  The left screen shows the laptop.</translation>
    </message>
    <message>
        <source>ゆぬり～  左側ｽｸﾘｰﾝに｢ﾋﾞﾃﾞｵ入力｣映像が表示されました｡</source>
        <translation>Yunuri  The left screen shows the video input.</translation>
    </message>
    <message>
        <source>ゆぬり～  左側ｽｸﾘｰﾝに｢ﾜｲﾔﾚｽPC｣映像が表示されました｡</source>
        <translation>Yunuri  The left screen shows the wireless PC.</translation>
    </message>
    <message>
        <source>ゆぬり～  左側ｽｸﾘｰﾝ映像が非表示になりました｡</source>
        <translation>Yunuri  The left screen is blank.</translation>
    </message>
    <message>
        <source>ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀが完全に起動しました｡</source>
        <translation>Yunuri  The left projector is ready.</translation>
    </message>
    <message>
        <source>ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀが起動を始めました｡</source>
        <translation>Yunuri  The left projector is warming up.</translation>
    </message>
    <message>
        <source>ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀがｸｰﾘﾝｸﾞを始めました｡</source>
        <translation>Yunuri  The left projector is cooling down.</translation>
    </message>
    <message>
        <source>ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀの電源がOFFしました｡</source>
        <translation>Yunuri  The left projector is off.</translation>
    </message>
    <message>
        <source>ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀ電源がONしていません｡</source>
        <translation>Yunuri  The left projector is not switched on.</translation>
    </message>
    <message>
        <source>ゆぬり～  音声MUTEが解除されました｡</source>
        <translation>Yunuri  The room sound is back on.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢CD/MD｣が一時停止しました｡</source>
        <translation>Yunuri  The CD/MD player is paused.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢CD/MD｣が停止しました｡</source>
        <translation>Yunuri  The CD/MD player has stopped.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢CD/MD｣が再生を開始しました｡</source>
        <translation>Yunuri  The CD/MD player is playing.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢CD/MD｣が巻戻しを開始しました｡</source>
        <translation>Yunuri  The CD/MD player is rewinding.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢CD/MD｣が早送りを開始しました｡</source>
        <translation>Yunuri  The CD/MD player is fast-forwarding.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢CD/MD｣のCDを選択しました｡</source>
        <translation>Yunuri  The CD/MD player switches to CD.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢CD/MD｣のMDを選択しました｡</source>
        <translation>Yunuri  The CD/MD player switches to MD.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢CD/MD｣のﾁｬﾌﾟﾀｰが1つ戻りました｡</source>
        <translation>Yunuri  The CD/MD player goes back one track.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢CD/MD｣のﾁｬﾌﾟﾀｰが1つ進みました｡</source>
        <translation>Yunuri  The CD/MD player skips to the next track.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢DVD/VTR｣が一時停止しました｡</source>
        <translation>Yunuri  The DVD/VTR is paused.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢DVD/VTR｣が停止しました｡</source>
        <translation>Yunuri  The DVD/VTR has stopped.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢DVD/VTR｣が再生を開始しました｡</source>
        <translation>Yunuri  The DVD/VTR is playing.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢DVD/VTR｣が巻戻しを開始しました｡</source>
        <translation>Yunuri  The DVD/VTR is rewinding.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢DVD/VTR｣が早送りを開始しました｡</source>
        <translation>Yunuri  The DVD/VTR is fast-forwarding.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢DVD/VTR｣のDVDを選択しました｡</source>
        <translation>Yunuri  The DVD/VTR switches to DVD.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢DVD/VTR｣のVTRを選択しました｡</source>
        <translation>Yunuri  The DVD/VTR switches to VTR.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢DVD/VTR｣のｶｰｿﾙが上に移動しました｡</source>
        <translation>Yunuri  The DVD/VTR&apos;s menu cursor moves up.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢DVD/VTR｣のｶｰｿﾙが下に移動しました｡</source>
        <translation>Yunuri  The DVD/VTR&apos;s menu cursor moves down.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢DVD/VTR｣のｶｰｿﾙが右に移動しました｡</source>
        <translation>Yunuri  The DVD/VTR&apos;s menu cursor moves right.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢DVD/VTR｣のｶｰｿﾙが左に移動しました｡</source>
        <translation>Yunuri  The DVD/VTR&apos;s menu cursor moves left.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢DVD/VTR｣のﾁｬﾌﾟﾀｰが1つ戻りました｡</source>
        <translation>Yunuri  The DVD/VTR goes back one chapter.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢DVD/VTR｣のﾁｬﾌﾟﾀｰが1つ進みました｡</source>
        <translation>Yunuri  The DVD/VTR skips to the next chapter.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢DVD/VTR｣のﾄｯﾌﾟﾒﾆｭｰが表示されました｡</source>
        <translation>Yunuri  The DVD/VTR shows the disc&apos;s top menu.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢DVD/VTR｣のﾒﾆｭｰが決定しました｡</source>
        <translation>Yunuri  The DVD/VTR opens the chosen menu item.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢DVD/VTR｣のﾒﾆｭｰが表示されました｡</source>
        <translation>Yunuri  The DVD/VTR shows the disc&apos;s menu.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢DVD｣が一時停止しました｡</source>
        <translation>Yunuri  The DVD player is paused.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢DVD｣が停止しました｡</source>
        <translation>Yunuri  The DVD player has stopped.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢DVD｣が再生を開始しました｡</source>
        <translation>Yunuri  The DVD player is playing.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢DVD｣が巻戻しを開始しました｡</source>
        <translation>Yunuri  The DVD player is rewinding.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢DVD｣が早送りを開始しました｡</source>
        <translation>Yunuri  The DVD player is fast-forwarding.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢DVD｣のｶｰｿﾙが上に移動しました｡</source>
        <translation>Yunuri  The DVD player&apos;s menu cursor moves up.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢DVD｣のｶｰｿﾙが下に移動しました｡</source>
        <translation>Yunuri  The DVD player&apos;s menu cursor moves down.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢DVD｣のｶｰｿﾙが右に移動しました｡</source>
        <translation>Yunuri  The DVD player&apos;s menu cursor moves right.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢DVD｣のｶｰｿﾙが左に移動しました｡</source>
        <translation>Yunuri  The DVD player&apos;s menu cursor moves left.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢DVD｣のﾁｬﾌﾟﾀｰが1つ戻りました｡</source>
        <translation>Yunuri  The DVD player goes back one chapter.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢DVD｣のﾁｬﾌﾟﾀｰが1つ進みました｡</source>
        <translation>Yunuri  The DVD player skips to the next chapter.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢DVD｣のﾄｯﾌﾟﾒﾆｭｰが表示されました｡</source>
        <translation>Yunuri  The DVD player shows the disc&apos;s top menu.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢DVD｣のﾒﾆｭｰが決定しました｡</source>
        <translation>Yunuri  The DVD player opens the chosen menu item.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢DVD｣のﾒﾆｭｰが表示されました｡</source>
        <translation>Yunuri  The DVD player shows the disc&apos;s menu.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢世界対応VTR｣が一時停止しました｡</source>
        <translation>Yunuri  The multi-standard VTR is paused.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢世界対応VTR｣が停止しました｡</source>
        <translation>Yunuri  The multi-standard VTR has stopped.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢世界対応VTR｣が再生を開始しました｡</source>
        <translation>Yunuri  The multi-standard VTR is playing.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢世界対応VTR｣が巻戻しを開始しました｡</source>
        <translation>Yunuri  The multi-standard VTR is rewinding.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢世界対応VTR｣が早送りを開始しました｡</source>
        <translation>Yunuri  The multi-standard VTR is fast-forwarding.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢ﾄﾞｰﾑｶﾒﾗ｣が上方向に向きました｡</source>
        <translation>Yunuri  The dome camera tilts up.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢ﾄﾞｰﾑｶﾒﾗ｣が下方向に向きました｡</source>
        <translation>Yunuri  The dome camera tilts down.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢ﾄﾞｰﾑｶﾒﾗ｣が右方向に向きました｡</source>
        <translation>Yunuri  The dome camera turns right.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢ﾄﾞｰﾑｶﾒﾗ｣が左方向に向きました｡</source>
        <translation>Yunuri  The dome camera turns left.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢ﾄﾞｰﾑｶﾒﾗ｣の映像が拡大されました｡</source>
        <translation>Yunuri  The dome camera zooms in.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢ﾄﾞｰﾑｶﾒﾗ｣の映像が縮小されました｡</source>
        <translation>Yunuri  The dome camera zooms out.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢ﾄﾞｰﾑｶﾒﾗ｣の映像が近い物にﾋﾟﾝﾄが合いました｡</source>
        <translation>Yunuri  The dome camera focuses closer.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢ﾄﾞｰﾑｶﾒﾗ｣の映像が遠い物にﾋﾟﾝﾄが合いました｡</source>
        <translation>Yunuri  The dome camera focuses farther away.</translation>
    </message>
    <message>
        <source>ゆぬり～  ﾓﾆﾀｰに｢DVD/VTR｣映像が表示されました｡</source>
        <translation>Yunuri  The monitor shows the DVD/VTR.</translation>
    </message>
    <message>
        <source>ゆぬり～  ﾓﾆﾀｰに｢DVD｣映像が表示されました｡</source>
        <translation>Yunuri  The monitor shows the DVD player.</translation>
    </message>
    <message>
        <source>ゆぬり～  ﾓﾆﾀｰに｢RGB入力｣映像が表示されました｡</source>
        <translation>Yunuri  The monitor shows the RGB input.</translation>
    </message>
    <message>
        <source>ゆぬり～  ﾓﾆﾀｰに｢世界対応VTR｣映像が表示されました｡</source>
        <translation>Yunuri  The monitor shows the multi-standard VTR.</translation>
    </message>
    <message>
        <source>ゆぬり～  ﾓﾆﾀｰに｢書画ｶﾒﾗ｣映像が表示されました｡</source>
        <translation>Yunuri  The monitor shows the document camera.</translation>
    </message>
    <message>
        <source>ゆぬり～  ﾓﾆﾀｰに｢ｽﾀﾝﾄﾞｶﾒﾗ｣映像が表示されました｡</source>
        <translation>Yunuri  The monitor shows the stand camera.</translation>
    </message>
    <message>
        <source>ゆぬり～  ﾓﾆﾀｰに｢ﾃﾞｽｸﾄｯﾌﾟPC｣映像が表示されました｡</source>
        <translation>Yunuri  The monitor shows the desktop PC.</translation>
    </message>
    <message>
        <source>ゆぬり～  ﾓﾆﾀｰに｢ﾄﾞｰﾑｶﾒﾗ｣映像が表示されました｡</source>
        <translation>Yunuri  The monitor shows the dome camera.</translation>
    </message>
    <message>
        <source>ゆぬり～  ﾓﾆﾀｰに｢ﾉｰﾄPC｣映像が表示されました｡</source>
        <translation>Yunuri  The monitor shows the laptop.</translation>
    </message>
    <message>
        <source>ゆぬり～  ﾓﾆﾀｰに｢ﾋﾞﾃﾞｵ入力｣映像が表示されました｡</source>
        <translation>Yunuri  The monitor shows the video input.</translation>
    </message>
    <message>
        <source>ゆぬり～  ﾓﾆﾀｰに｢ﾜｲﾔﾚｽPC｣映像が表示されました｡</source>
        <translation>Yunuri  The monitor shows the wireless PC.</translation>
    </message>
    <message>
        <source>ゆぬり～  ﾓﾆﾀｰ映像が非表示になりました｡</source>
        <translation>Yunuri  The monitor is blank.</translation>
    </message>
    <message>
        <source>「ゆぬり～」は既に開かれています｡</source>
        <translation>Yunuri is already running.</translation>
    </message>
    <message>
        <source>AV設備用タッチパネルデモアプリケーション</source>
        <translation>A demo of a lecture room&apos;s AV touch panel</translation>
    </message>
    <message>
        <source>「ゆぬり～」をご利用いただき、誠にありがとうございます。</source>
        <translation>Thank you for using Yunuri.</translation>
    </message>
    <message>
        <source>本アプリケーションはデモ版のため、解像度と色数を落としてあります。見づらい画面や読みにくい文字がありましても、ご容赦下さい。</source>
        <translation>As a demo, it runs at a lower resolution and with fewer colours. We apologise if some screens or text are hard to read.</translation>
    </message>
    <message>
        <source>また、実際のタッチパネルの動作は使用するハードウェアに依存しますので、「ゆぬり～」より良くなる場合も、悪くなる場合もあります。</source>
        <translation>A real touch panel depends on its hardware, so it may work better or worse than Yunuri.</translation>
    </message>
    <message>
        <source>モニター映像選択</source>
        <translation>Sources</translation>
    </message>
    <message>
        <source>モニター映像を
選択し、
スクリーンへ
送出して
下さい。</source>
        <translation>Choose a
source,
then send
it to a
screen.</translation>
    </message>
    <message>
        <source>スクリーン映像選択</source>
        <translation>Screens</translation>
    </message>
    <message>
        <source>ボリューム操作</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>映像OFF</source>
        <translation>Blank</translation>
    </message>
    <message>
        <source>デスクトップPC</source>
        <translation>Desktop PC</translation>
    </message>
    <message>
        <source>ノートPC</source>
        <translation>Laptop</translation>
    </message>
    <message>
        <source>ワイヤレスPC</source>
        <translation>Wireless PC</translation>
    </message>
    <message>
        <source>書画カメラ</source>
        <translation>Doc camera</translation>
    </message>
    <message>
        <source>RGB入力</source>
        <translation>RGB input</translation>
    </message>
    <message>
        <source>世界対応VTR</source>
        <translation>Multi VTR</translation>
    </message>
    <message>
        <source>スタンドカメラ</source>
        <translation>Stand camera</translation>
    </message>
    <message>
        <source>ドームカメラ</source>
        <translation>Dome camera</translation>
    </message>
    <message>
        <source>ビデオ入力</source>
        <translation>Video input</translation>
    </message>
    <message>
        <source>映像OFF</source>
        <comment>short</comment>
        <translation>Blank</translation>
    </message>
    <message>
        <source>デスクトップPC</source>
        <comment>short</comment>
        <translation>Desktop</translation>
    </message>
    <message>
        <source>ノートPC</source>
        <comment>short</comment>
        <translation>Laptop</translation>
    </message>
    <message>
        <source>ワイヤレスPC</source>
        <comment>short</comment>
        <translation>Wireless</translation>
    </message>
    <message>
        <source>書画カメラ</source>
        <comment>short</comment>
        <translation>Doc cam</translation>
    </message>
    <message>
        <source>RGB入力</source>
        <comment>short</comment>
        <translation>RGB</translation>
    </message>
    <message>
        <source>世界対応VTR</source>
        <comment>short</comment>
        <translation>Multi VTR</translation>
    </message>
    <message>
        <source>スタンドカメラ</source>
        <comment>short</comment>
        <translation>Stand cam</translation>
    </message>
    <message>
        <source>ドームカメラ</source>
        <comment>short</comment>
        <translation>Dome cam</translation>
    </message>
    <message>
        <source>ビデオ入力</source>
        <comment>short</comment>
        <translation>Video in</translation>
    </message>
    <message>
        <source>プロジェクタ電源</source>
        <translation>Projectors</translation>
    </message>
    <message>
        <source>CD/MD操作</source>
        <translation>CD/MD</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>送出</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>電源
ON</source>
        <translation>On</translation>
    </message>
    <message>
        <source>電源
OFF</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>-左側プロジェクター-</source>
        <translation>Left projector</translation>
    </message>
    <message>
        <source>-右側プロジェクター-</source>
        <translation>Right projector</translation>
    </message>
    <message>
        <source>プロジェクタは、電源のON/OFF動作に時間がかかります。ご確認の上、操作を行って下さい。</source>
        <translation>Projectors take a while to switch on or off. Wait until the button stops blinking.</translation>
    </message>
    <message>
        <source>終了確認</source>
        <translation>Exit?</translation>
    </message>
    <message>
        <source>システムの終了前に、「DVD/VTR」、「DVD」等のソースやカセット類を取り出して下さい。システムを終了致します。よろしいですか？</source>
        <translation>First take any discs or tapes out of the DVD/VTR, the DVD player or any other source. Exit the panel?</translation>
    </message>
    <message>
        <source>終了実行</source>
        <translation>Exit now</translation>
    </message>
    <message>
        <source>終了
実行</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>決定</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>リモコン操作</source>
        <translation>Remote</translation>
    </message>
    <message>
        <source>上</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>下</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>左</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>右</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>前のチャプター</source>
        <translation>Previous chapter</translation>
    </message>
    <message>
        <source>次のチャプター</source>
        <translation>Next chapter</translation>
    </message>
    <message>
        <source>巻戻し</source>
        <translation>Rewind</translation>
    </message>
    <message>
        <source>早送り</source>
        <translation>Fast forward</translation>
    </message>
    <message>
        <source>再生</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>一時停止</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>音量を上げる</source>
        <translation>Volume up</translation>
    </message>
    <message>
        <source>音量を下げる</source>
        <translation>Volume down</translation>
    </message>
    <message>
        <source>この操作パネルを閉じます</source>
        <translation>Closes this and goes back to the panel.</translation>
    </message>
    <message>
        <source>モニターの映像を消します</source>
        <translation>Blanks the monitor.</translation>
    </message>
    <message>
        <source>左右のプロジェクタの電源を入れたり切ったりするボタンを出します</source>
        <translation>Shows the buttons that switch the projectors on and off.</translation>
    </message>
    <message>
        <source>CD/MDプレーヤーを操作するボタンを出します</source>
        <translation>Shows the buttons that work the CD/MD player.</translation>
    </message>
    <message>
        <source>プログラムを終了するか確かめます</source>
        <translation>Asks whether to exit the panel program.</translation>
    </message>
    <message>
        <source>押している間、音量を上げます</source>
        <translation>Raises the volume while held.</translation>
    </message>
    <message>
        <source>押している間、音量を下げます</source>
        <translation>Lowers the volume while held.</translation>
    </message>
    <message>
        <source>消音を入れたり切ったりします</source>
        <translation>Mutes the room sound, or brings it back.</translation>
    </message>
    <message>
        <source>CD/MDプレーヤーの操作</source>
        <translation>CD/MD player remote</translation>
    </message>
    <message>
        <source>プログラムを終了します</source>
        <translation>Exits the panel.</translation>
    </message>
    <message>
        <source>「ゆぬり～」のご案内</source>
        <translation>About Yunuri</translation>
    </message>
    <message>
        <source>左側スクリーン</source>
        <translation>Left screen</translation>
    </message>
    <message>
        <source>右側スクリーン</source>
        <translation>Right screen</translation>
    </message>
    <message>
        <source>表示する言語を切り替えます (Ctrl+L)</source>
        <translation>Switches the language (Ctrl+L)</translation>
    </message>
    <message>
        <source>音量</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>ミュート中 (muted)</source>
        <translation>Muted</translation>
    </message>
    <message>
        <source>モニターの映像を左側スクリーンへ送出します</source>
        <translation>Sends the monitor&apos;s picture to the left screen.</translation>
    </message>
    <message>
        <source>モニターの映像を右側スクリーンへ送出します</source>
        <translation>Sends the monitor&apos;s picture to the right screen.</translation>
    </message>
    <message>
        <source>左側プロジェクターの電源を入れます</source>
        <translation>Switches the left projector on.</translation>
    </message>
    <message>
        <source>左側プロジェクターの電源を切ります</source>
        <translation>Switches the left projector off.</translation>
    </message>
    <message>
        <source>右側プロジェクターの電源を入れます</source>
        <translation>Switches the right projector on.</translation>
    </message>
    <message>
        <source>右側プロジェクターの電源を切ります</source>
        <translation>Switches the right projector off.</translation>
    </message>
    <message>
        <source>DVD/VTR</source>
        <comment>short</comment>
        <translation>DVD/VTR</translation>
    </message>
    <message>
        <source>DVD</source>
        <comment>short</comment>
        <translation>DVD</translation>
    </message>
    <message>
        <source>「DVD/VTR」のリモコン</source>
        <translation>Remote for the DVD/VTR</translation>
    </message>
    <message>
        <source>「世界対応VTR」のリモコン</source>
        <translation>Remote for the multi-standard VTR</translation>
    </message>
    <message>
        <source>「DVD」のリモコン</source>
        <translation>Remote for the DVD player</translation>
    </message>
    <message>
        <source>「ドームカメラ」のリモコン</source>
        <translation>Remote for the dome camera</translation>
    </message>
    <message>
        <source>モニターに「デスクトップPC」の映像を表示します</source>
        <translation>Shows the desktop PC on the monitor.</translation>
    </message>
    <message>
        <source>モニターに「ノートPC」の映像を表示します</source>
        <translation>Shows the laptop on the monitor.</translation>
    </message>
    <message>
        <source>モニターに「ワイヤレスPC」の映像を表示します</source>
        <translation>Shows the wireless PC on the monitor.</translation>
    </message>
    <message>
        <source>モニターに「書画カメラ」の映像を表示します</source>
        <translation>Shows the document camera on the monitor.</translation>
    </message>
    <message>
        <source>モニターに「RGB入力」の映像を表示します</source>
        <translation>Shows the RGB input on the monitor.</translation>
    </message>
    <message>
        <source>モニターに「DVD/VTR」の映像を表示します</source>
        <translation>Shows the DVD/VTR on the monitor.</translation>
    </message>
    <message>
        <source>モニターに「世界対応VTR」の映像を表示します</source>
        <translation>Shows the multi-standard VTR on the monitor.</translation>
    </message>
    <message>
        <source>モニターに「DVD」の映像を表示します</source>
        <translation>Shows the DVD player on the monitor.</translation>
    </message>
    <message>
        <source>モニターに「スタンドカメラ」の映像を表示します</source>
        <translation>Shows the stand camera on the monitor.</translation>
    </message>
    <message>
        <source>モニターに「ドームカメラ」の映像を表示します</source>
        <translation>Shows the dome camera on the monitor.</translation>
    </message>
    <message>
        <source>モニターに「ビデオ入力」の映像を表示します</source>
        <translation>Shows the video input on the monitor.</translation>
    </message>
    <message>
        <source>送出 左側スクリーンへ</source>
        <translation>Send to the left screen</translation>
    </message>
    <message>
        <source>送出 右側スクリーンへ</source>
        <translation>Send to the right screen</translation>
    </message>
    <message>
        <source>電源 ON 左側プロジェクター</source>
        <translation>On, left projector</translation>
    </message>
    <message>
        <source>電源 OFF 左側プロジェクター</source>
        <translation>Off, left projector</translation>
    </message>
    <message>
        <source>電源 ON 右側プロジェクター</source>
        <translation>On, right projector</translation>
    </message>
    <message>
        <source>電源 OFF 右側プロジェクター</source>
        <translation>Off, right projector</translation>
    </message>
    <message>
        <source>×Close プロジェクタ電源を閉じる</source>
        <translation>×Close the projector buttons</translation>
    </message>
    <message>
        <source>×Close CD/MD操作を閉じる</source>
        <translation>×Close the CD/MD buttons</translation>
    </message>
    <message>
        <source>×Close 終了確認を閉じる</source>
        <translation>×Close, do not exit</translation>
    </message>
    <message>
        <source>機器を選択して下さい。</source>
        <translation>Choose a
source.</translation>
    </message>
    <message>
        <source>操作は実機にて行って下さい。</source>
        <translation>Use the
source&apos;s own
controls.</translation>
    </message>
    <message>
        <source>左側プロジェクターはウォームアップ中です</source>
        <translation>The left projector is warming up.</translation>
    </message>
    <message>
        <source>左側プロジェクターはクーリング中です</source>
        <translation>The left projector is cooling down.</translation>
    </message>
    <message>
        <source>右側プロジェクターはウォームアップ中です</source>
        <translation>The right projector is warming up.</translation>
    </message>
    <message>
        <source>右側プロジェクターはクーリング中です</source>
        <translation>The right projector is cooling down.</translation>
    </message>
    <message>
        <source>押すと閉じて、パネルを操作できるようになります。</source>
        <translation>Press to close this and use the panel.</translation>
    </message>
    <message>
        <source>%1「%2」。%3%4%5%6</source>
        <extracomment>The notice&apos;s description: %1 its band, %2 the title, %3 to %5 its paragraphs, %6 how to close it.</extracomment>
        <translation>%1 %2. %3 %4 %5 %6</translation>
    </message>
    <message>
        <source>ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀから応答がありません｡</source>
        <translation>Yunuri  The left projector does not answer.</translation>
    </message>
    <message>
        <source>ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀに接続できません｡</source>
        <translation>Yunuri  The left projector refuses the connection.</translation>
    </message>
    <message>
        <source>ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀがﾊﾟｽﾜｰﾄﾞを受け付けません｡</source>
        <translation>Yunuri  The left projector does not accept the password.</translation>
    </message>
    <message>
        <source>ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀがｺﾏﾝﾄﾞを受け付けません｡</source>
        <translation>Yunuri  The left projector does not accept the command.</translation>
    </message>
    <message>
        <source>ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀは今は操作を受け付けません｡</source>
        <translation>Yunuri  The left projector cannot take the command now.</translation>
    </message>
    <message>
        <source>ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀが故障を報告しています｡</source>
        <translation>Yunuri  The left projector reports a failure.</translation>
    </message>
    <message>
        <source>ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀにはこの映像の入力がありません｡</source>
        <translation>Yunuri  The left projector has no input for this source.</translation>
    </message>
    <message>
        <source>ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀの応答が戻りました｡</source>
        <translation>Yunuri  The left projector answers again.</translation>
    </message>
    <message>
        <source>ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀの異常が解消しました｡</source>
        <translation>Yunuri  The left projector reports no more faults.</translation>
    </message>
    <message>
        <source>ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀのﾌｧﾝに注意が必要です｡</source>
        <translation>Yunuri  The left projector warns about its fan.</translation>
    </message>
    <message>
        <source>ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀのﾗﾝﾌﾟが交換時期です｡</source>
        <translation>Yunuri  The left projector&apos;s lamp is due for replacement.</translation>
    </message>
    <message>
        <source>ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀの温度が高くなっています｡</source>
        <translation>Yunuri  The left projector is running hot.</translation>
    </message>
    <message>
        <source>ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀのｶﾊﾞｰに注意が必要です｡</source>
        <translation>Yunuri  The left projector warns about its cover.</translation>
    </message>
    <message>
        <source>ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀのﾌｨﾙﾀｰが交換時期です｡</source>
        <translation>Yunuri  The left projector&apos;s filter needs cleaning.</translation>
    </message>
    <message>
        <source>ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀが警告を報告しています｡</source>
        <translation>Yunuri  The left projector reports a warning.</translation>
    </message>
    <message>
        <source>ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀのﾌｧﾝが異常です｡</source>
        <translation>Yunuri  The left projector&apos;s fan has failed.</translation>
    </message>
    <message>
        <source>ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀのﾗﾝﾌﾟが異常です｡</source>
        <translation>Yunuri  The left projector&apos;s lamp has failed.</translation>
    </message>
    <message>
        <source>ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀの温度が異常です｡</source>
        <translation>Yunuri  The left projector is overheating.</translation>
    </message>
    <message>
        <source>ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀのｶﾊﾞｰが開いています｡</source>
        <translation>Yunuri  The left projector&apos;s cover is open.</translation>
    </message>
    <message>
        <source>ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀのﾌｨﾙﾀｰが異常です｡</source>
        <translation>Yunuri  The left projector&apos;s filter has a fault.</translation>
    </message>
    <message>
        <source>ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀが異常を報告しています｡</source>
        <translation>Yunuri  The left projector reports a fault.</translation>
    </message>
    <message>
        <source>ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀから応答がありません｡</source>
        <translation>Yunuri  The right projector does not answer.</translation>
    </message>
    <message>
        <source>ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀに接続できません｡</source>
        <translation>Yunuri  The right projector refuses the connection.</translation>
    </message>
    <message>
        <source>ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀがﾊﾟｽﾜｰﾄﾞを受け付けません｡</source>
        <translation>Yunuri  The right projector does not accept the password.</translation>
    </message>
    <message>
        <source>ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀがｺﾏﾝﾄﾞを受け付けません｡</source>
        <translation>Yunuri  The right projector does not accept the command.</translation>
    </message>
    <message>
        <source>ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀは今は操作を受け付けません｡</source>
        <translation>Yunuri  The right projector cannot take the command now.</translation>
    </message>
    <message>
        <source>ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀが故障を報告しています｡</source>
        <translation>Yunuri  The right projector reports a failure.</translation>
    </message>
    <message>
        <source>ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀにはこの映像の入力がありません｡</source>
        <translation>Yunuri  The right projector has no input for this source.</translation>
    </message>
    <message>
        <source>ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀの応答が戻りました｡</source>
        <translation>Yunuri  The right projector answers again.</translation>
    </message>
    <message>
        <source>ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀの異常が解消しました｡</source>
        <translation>Yunuri  The right projector reports no more faults.</translation>
    </message>
    <message>
        <source>ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀのﾌｧﾝに注意が必要です｡</source>
        <translation>Yunuri  The right projector warns about its fan.</translation>
    </message>
    <message>
        <source>ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀのﾗﾝﾌﾟが交換時期です｡</source>
        <translation>Yunuri  The right projector&apos;s lamp is due for replacement.</translation>
    </message>
    <message>
        <source>ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀの温度が高くなっています｡</source>
        <translation>Yunuri  The right projector is running hot.</translation>
    </message>
    <message>
        <source>ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀのｶﾊﾞｰに注意が必要です｡</source>
        <translation>Yunuri  The right projector warns about its cover.</translation>
    </message>
    <message>
        <source>ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀのﾌｨﾙﾀｰが交換時期です｡</source>
        <translation>Yunuri  The right projector&apos;s filter needs cleaning.</translation>
    </message>
    <message>
        <source>ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀが警告を報告しています｡</source>
        <translation>Yunuri  The right projector reports a warning.</translation>
    </message>
    <message>
        <source>ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀのﾌｧﾝが異常です｡</source>
        <translation>Yunuri  The right projector&apos;s fan has failed.</translation>
    </message>
    <message>
        <source>ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀのﾗﾝﾌﾟが異常です｡</source>
        <translation>Yunuri  The right projector&apos;s lamp has failed.</translation>
    </message>
    <message>
        <source>ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀの温度が異常です｡</source>
        <translation>Yunuri  The right projector is overheating.</translation>
    </message>
    <message>
        <source>ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀのｶﾊﾞｰが開いています｡</source>
        <translation>Yunuri  The right projector&apos;s cover is open.</translation>
    </message>
    <message>
        <source>ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀのﾌｨﾙﾀｰが異常です｡</source>
        <translation>Yunuri  The right projector&apos;s filter has a fault.</translation>
    </message>
    <message>
        <source>ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀが異常を報告しています｡</source>
        <translation>Yunuri  The right projector reports a fault.</translation>
    </message>
    <message>
        <source>%1（応答なし）</source>
        <translation>%1, not answering</translation>
    </message>
    <message>
        <source>応答なし</source>
        <translation>Not answering</translation>
    </message>
    <message>
        <source>教室</source>
        <translation>Room</translation>
    </message>
    <message>
        <source>左側スクリーン：%1。</source>
        <translation>Left screen: %1.</translation>
    </message>
    <message>
        <source>右側スクリーン：%1。</source>
        <translation>Right screen: %1.</translation>
    </message>
    <message>
        <source>プロジェクターOFF</source>
        <translation>projector off</translation>
    </message>
    <message>
        <source>プロジェクター準備中</source>
        <translation>projector warming up</translation>
    </message>
    <message>
        <source>プロジェクター冷却中</source>
        <translation>projector cooling down</translation>
    </message>
    <message>
        <source>モニター：%1。</source>
        <translation>Monitor: %1.</translation>
    </message>
    <message>
        <source>音量 %1 %。</source>
        <translation>Volume %1 %.</translation>
    </message>
    <message>
        <source>音量 %1 %、MUTE中。</source>
        <translation>Volume %1 %, muted.</translation>
    </message>
    <message>
        <source>ゆぬり～  教室</source>
        <translation>Yunuri  Room</translation>
    </message>
</context>
</TS>
