<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>Panel</name>
    <message>
        <source>ゆぬり～</source>
        <translation>Yunuri</translation>
    </message>
    <message>
        <source>ゆぬり～  MUTE中です｡</source>
        <translation>Yunuri  MUTE is on.</translation>
    </message>
    <message>
        <source>ゆぬり～  右側ｽｸﾘｰﾝに｢DVD/VTR｣映像が表示されました｡</source>
        <translation>Yunuri  The right screen shows DVD/VTR.</translation>
    </message>
    <message>
        <source>ゆぬり～  右側ｽｸﾘｰﾝに｢DVD｣映像が表示されました｡</source>
        <translation>Yunuri  The right screen shows DVD.</translation>
    </message>
    <message>
        <source>ゆぬり～  右側ｽｸﾘｰﾝに｢RGB入力｣映像が表示されました｡</source>
        <translation>Yunuri  The right screen shows RGB input.</translation>
    </message>
    <message>
        <source>ゆぬり～  右側ｽｸﾘｰﾝに｢世界対応VTR｣映像が表示されました｡</source>
        <translation>Yunuri  The right screen shows Multi-standard VTR.</translation>
    </message>
    <message>
        <source>ゆぬり～  右側ｽｸﾘｰﾝに｢書画ｶﾒﾗ｣映像が表示されました｡</source>
        <translation>Yunuri  The right screen shows Document camera.</translation>
    </message>
    <message>
        <source>ゆぬり～  右側ｽｸﾘｰﾝに｢ｽﾀﾝﾄﾞｶﾒﾗ｣映像が表示されました｡</source>
        <translation>Yunuri  The right screen shows Stand camera.</translation>
    </message>
    <message>
        <source>ゆぬり～  右側ｽｸﾘｰﾝに｢ﾃﾞｽｸﾄｯﾌﾟPC｣映像が表示されました｡</source>
        <translation>Yunuri  The right screen shows Desktop PC.</translation>
    </message>
    <message>
        <source>ゆぬり～  右側ｽｸﾘｰﾝに｢ﾄﾞｰﾑｶﾒﾗ｣映像が表示されました｡</source>
        <translation>Yunuri  The right screen shows Dome camera.</translation>
    </message>
    <message>
        <source>ゆぬり～  右側ｽｸﾘｰﾝに｢ﾉｰﾄPC｣映像が表示されました｡</source>
        <translation>Yunuri  The right screen shows Notebook PC.</translation>
    </message>
    <message>
        <source>ゆぬり～  右側ｽｸﾘｰﾝに｢ﾋﾞﾃﾞｵ入力｣映像が表示されました｡</source>
        <translation>Yunuri  The right screen shows Video input.</translation>
    </message>
    <message>
        <source>ゆぬり～  右側ｽｸﾘｰﾝに｢ﾜｲﾔﾚｽPC｣映像が表示されました｡</source>
        <translation>Yunuri  The right screen shows Wireless PC.</translation>
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
        <translation>Yunuri  The right projector is not on.</translation>
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
        <translation>Yunuri  The left screen shows DVD/VTR.</translation>
    </message>
    <message>
        <source>ゆぬり～  左側ｽｸﾘｰﾝに｢DVD｣映像が表示されました｡</source>
        <translation>Yunuri  The left screen shows DVD.</translation>
    </message>
    <message>
        <source>ゆぬり～  左側ｽｸﾘｰﾝに｢RGB入力｣映像が表示されました｡</source>
        <translation>Yunuri  The left screen shows RGB input.</translation>
    </message>
    <message>
        <source>ゆぬり～  左側ｽｸﾘｰﾝに｢世界対応VTR｣映像が表示されました｡</source>
        <translation>Yunuri  The left screen shows Multi-standard VTR.</translation>
    </message>
    <message>
        <source>ゆぬり～  左側ｽｸﾘｰﾝに｢書画ｶﾒﾗ｣映像が表示されました｡</source>
        <translation>Yunuri  The left screen shows Document camera.</translation>
    </message>
    <message>
        <source>ゆぬり～  左側ｽｸﾘｰﾝに｢ｽﾀﾝﾄﾞｶﾒﾗ｣映像が表示されました｡</source>
        <translation>Yunuri  The left screen shows Stand camera.</translation>
    </message>
    <message>
        <source>ゆぬり～  左側ｽｸﾘｰﾝに｢ﾃﾞｽｸﾄｯﾌﾟPC｣映像が表示されました｡</source>
        <translation>Yunuri  The left screen shows Desktop PC.</translation>
    </message>
    <message>
        <source>ゆぬり～  左側ｽｸﾘｰﾝに｢ﾄﾞｰﾑｶﾒﾗ｣映像が表示されました｡</source>
        <translation>Yunuri  The left screen shows Dome camera.</translation>
    </message>
    <message>
        <source>ゆぬり～  左側ｽｸﾘｰﾝに｢ﾉｰﾄPC｣映像が表示されました｡</source>
        <translation>Yunuri  The left screen shows Notebook PC.</translation>
    </message>
    <message>
        <source>ゆぬり～  左側ｽｸﾘｰﾝに｢ﾋﾞﾃﾞｵ入力｣映像が表示されました｡</source>
        <translation>Yunuri  The left screen shows Video input.</translation>
    </message>
    <message>
        <source>ゆぬり～  左側ｽｸﾘｰﾝに｢ﾜｲﾔﾚｽPC｣映像が表示されました｡</source>
        <translation>Yunuri  The left screen shows Wireless PC.</translation>
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
        <translation>Yunuri  The left projector is not on.</translation>
    </message>
    <message>
        <source>ゆぬり～  音声MUTEが解除されました｡</source>
        <translation>Yunuri  MUTE is off.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢CD/MD｣が一時停止しました｡</source>
        <translation>Yunuri  The CD/MD player is paused.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢CD/MD｣が停止しました｡</source>
        <translation>Yunuri  The CD/MD player is stopped.</translation>
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
        <translation>Yunuri  The CD/MD player is set to CD.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢CD/MD｣のMDを選択しました｡</source>
        <translation>Yunuri  The CD/MD player is set to MD.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢CD/MD｣のﾁｬﾌﾟﾀｰが1つ戻りました｡</source>
        <translation>Yunuri  The CD/MD player skips back one track.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢CD/MD｣のﾁｬﾌﾟﾀｰが1つ進みました｡</source>
        <translation>Yunuri  The CD/MD player skips forward one track.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢DVD/VTR｣が一時停止しました｡</source>
        <translation>Yunuri  The DVD/VTR is paused.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢DVD/VTR｣が停止しました｡</source>
        <translation>Yunuri  The DVD/VTR is stopped.</translation>
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
        <translation>Yunuri  The DVD/VTR is set to DVD.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢DVD/VTR｣のVTRを選択しました｡</source>
        <translation>Yunuri  The DVD/VTR is set to VTR.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢DVD/VTR｣のｶｰｿﾙが上に移動しました｡</source>
        <translation>Yunuri  The DVD/VTR cursor moves up.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢DVD/VTR｣のｶｰｿﾙが下に移動しました｡</source>
        <translation>Yunuri  The DVD/VTR cursor moves down.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢DVD/VTR｣のｶｰｿﾙが右に移動しました｡</source>
        <translation>Yunuri  The DVD/VTR cursor moves right.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢DVD/VTR｣のｶｰｿﾙが左に移動しました｡</source>
        <translation>Yunuri  The DVD/VTR cursor moves left.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢DVD/VTR｣のﾁｬﾌﾟﾀｰが1つ戻りました｡</source>
        <translation>Yunuri  The DVD/VTR skips back one chapter.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢DVD/VTR｣のﾁｬﾌﾟﾀｰが1つ進みました｡</source>
        <translation>Yunuri  The DVD/VTR skips forward one chapter.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢DVD/VTR｣のﾄｯﾌﾟﾒﾆｭｰが表示されました｡</source>
        <translation>Yunuri  The DVD/VTR shows its top menu.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢DVD/VTR｣のﾒﾆｭｰが決定しました｡</source>
        <translation>Yunuri  The DVD/VTR confirms the menu choice.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢DVD/VTR｣のﾒﾆｭｰが表示されました｡</source>
        <translation>Yunuri  The DVD/VTR shows its menu.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢DVD｣が一時停止しました｡</source>
        <translation>Yunuri  The DVD is paused.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢DVD｣が停止しました｡</source>
        <translation>Yunuri  The DVD is stopped.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢DVD｣が再生を開始しました｡</source>
        <translation>Yunuri  The DVD is playing.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢DVD｣が巻戻しを開始しました｡</source>
        <translation>Yunuri  The DVD is rewinding.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢DVD｣が早送りを開始しました｡</source>
        <translation>Yunuri  The DVD is fast-forwarding.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢DVD｣のｶｰｿﾙが上に移動しました｡</source>
        <translation>Yunuri  The DVD cursor moves up.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢DVD｣のｶｰｿﾙが下に移動しました｡</source>
        <translation>Yunuri  The DVD cursor moves down.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢DVD｣のｶｰｿﾙが右に移動しました｡</source>
        <translation>Yunuri  The DVD cursor moves right.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢DVD｣のｶｰｿﾙが左に移動しました｡</source>
        <translation>Yunuri  The DVD cursor moves left.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢DVD｣のﾁｬﾌﾟﾀｰが1つ戻りました｡</source>
        <translation>Yunuri  The DVD skips back one chapter.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢DVD｣のﾁｬﾌﾟﾀｰが1つ進みました｡</source>
        <translation>Yunuri  The DVD skips forward one chapter.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢DVD｣のﾄｯﾌﾟﾒﾆｭｰが表示されました｡</source>
        <translation>Yunuri  The DVD shows its top menu.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢DVD｣のﾒﾆｭｰが決定しました｡</source>
        <translation>Yunuri  The DVD confirms the menu choice.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢DVD｣のﾒﾆｭｰが表示されました｡</source>
        <translation>Yunuri  The DVD shows its menu.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢世界対応VTR｣が一時停止しました｡</source>
        <translation>Yunuri  The Multi-standard VTR is paused.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢世界対応VTR｣が停止しました｡</source>
        <translation>Yunuri  The Multi-standard VTR is stopped.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢世界対応VTR｣が再生を開始しました｡</source>
        <translation>Yunuri  The Multi-standard VTR is playing.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢世界対応VTR｣が巻戻しを開始しました｡</source>
        <translation>Yunuri  The Multi-standard VTR is rewinding.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢世界対応VTR｣が早送りを開始しました｡</source>
        <translation>Yunuri  The Multi-standard VTR is fast-forwarding.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢ﾄﾞｰﾑｶﾒﾗ｣が上方向に向きました｡</source>
        <translation>Yunuri  The Dome camera tilts up.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢ﾄﾞｰﾑｶﾒﾗ｣が下方向に向きました｡</source>
        <translation>Yunuri  The Dome camera tilts down.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢ﾄﾞｰﾑｶﾒﾗ｣が右方向に向きました｡</source>
        <translation>Yunuri  The Dome camera pans right.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢ﾄﾞｰﾑｶﾒﾗ｣が左方向に向きました｡</source>
        <translation>Yunuri  The Dome camera pans left.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢ﾄﾞｰﾑｶﾒﾗ｣の映像が拡大されました｡</source>
        <translation>Yunuri  The Dome camera zooms in.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢ﾄﾞｰﾑｶﾒﾗ｣の映像が縮小されました｡</source>
        <translation>Yunuri  The Dome camera zooms out.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢ﾄﾞｰﾑｶﾒﾗ｣の映像が近い物にﾋﾟﾝﾄが合いました｡</source>
        <translation>Yunuri  The Dome camera focuses nearer.</translation>
    </message>
    <message>
        <source>ゆぬり～  ｢ﾄﾞｰﾑｶﾒﾗ｣の映像が遠い物にﾋﾟﾝﾄが合いました｡</source>
        <translation>Yunuri  The Dome camera focuses farther.</translation>
    </message>
    <message>
        <source>ゆぬり～  ﾓﾆﾀｰに｢DVD/VTR｣映像が表示されました｡</source>
        <translation>Yunuri  The monitor shows DVD/VTR.</translation>
    </message>
    <message>
        <source>ゆぬり～  ﾓﾆﾀｰに｢DVD｣映像が表示されました｡</source>
        <translation>Yunuri  The monitor shows DVD.</translation>
    </message>
    <message>
        <source>ゆぬり～  ﾓﾆﾀｰに｢RGB入力｣映像が表示されました｡</source>
        <translation>Yunuri  The monitor shows RGB input.</translation>
    </message>
    <message>
        <source>ゆぬり～  ﾓﾆﾀｰに｢世界対応VTR｣映像が表示されました｡</source>
        <translation>Yunuri  The monitor shows Multi-standard VTR.</translation>
    </message>
    <message>
        <source>ゆぬり～  ﾓﾆﾀｰに｢書画ｶﾒﾗ｣映像が表示されました｡</source>
        <translation>Yunuri  The monitor shows Document camera.</translation>
    </message>
    <message>
        <source>ゆぬり～  ﾓﾆﾀｰに｢ｽﾀﾝﾄﾞｶﾒﾗ｣映像が表示されました｡</source>
        <translation>Yunuri  The monitor shows Stand camera.</translation>
    </message>
    <message>
        <source>ゆぬり～  ﾓﾆﾀｰに｢ﾃﾞｽｸﾄｯﾌﾟPC｣映像が表示されました｡</source>
        <translation>Yunuri  The monitor shows Desktop PC.</translation>
    </message>
    <message>
        <source>ゆぬり～  ﾓﾆﾀｰに｢ﾄﾞｰﾑｶﾒﾗ｣映像が表示されました｡</source>
        <translation>Yunuri  The monitor shows Dome camera.</translation>
    </message>
    <message>
        <source>ゆぬり～  ﾓﾆﾀｰに｢ﾉｰﾄPC｣映像が表示されました｡</source>
        <translation>Yunuri  The monitor shows Notebook PC.</translation>
    </message>
    <message>
        <source>ゆぬり～  ﾓﾆﾀｰに｢ﾋﾞﾃﾞｵ入力｣映像が表示されました｡</source>
        <translation>Yunuri  The monitor shows Video input.</translation>
    </message>
    <message>
        <source>ゆぬり～  ﾓﾆﾀｰに｢ﾜｲﾔﾚｽPC｣映像が表示されました｡</source>
        <translation>Yunuri  The monitor shows Wireless PC.</translation>
    </message>
    <message>
        <source>ゆぬり～  ﾓﾆﾀｰ映像が非表示になりました｡</source>
        <translation>Yunuri  The monitor is blank.</translation>
    </message>
    <message>
        <source>「ゆぬり～」は既に開かれています｡</source>
        <translation>Yunuri is already open.</translation>
    </message>
    <message>
        <source>AV設備用タッチパネルデモアプリケーション</source>
        <translation>AV Touch Panel Demo Application</translation>
    </message>
    <message>
        <source>「ゆぬり～」をご利用いただき、誠にありがとうございます。</source>
        <translation>Thank you for using Yunuri.</translation>
    </message>
    <message>
        <source>本アプリケーションはデモ版のため、解像度と色数を落としてあります。見づらい画面や読みにくい文字がありましても、ご容赦下さい。</source>
        <translation>This is a demo version, so its resolution and colours are reduced. We apologise for any screens or text that are hard to read.</translation>
    </message>
    <message>
        <source>また、実際のタッチパネルの動作は使用するハードウェアに依存しますので、「ゆぬり～」より良くなる場合も、悪くなる場合もあります。</source>
        <translation>Also, how a real touch panel behaves depends on its hardware, so it may work better or worse than Yunuri.</translation>
    </message>
    <message>
        <source>モニター映像選択</source>
        <translation>Monitor source</translation>
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
        <translation>Screen source</translation>
    </message>
    <message>
        <source>ボリューム操作</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>映像OFF</source>
        <translation>Video OFF</translation>
    </message>
    <message>
        <source>デスクトップPC</source>
        <translation>Desktop PC</translation>
    </message>
    <message>
        <source>ノートPC</source>
        <translation>Notebook PC</translation>
    </message>
    <message>
        <source>ワイヤレスPC</source>
        <translation>Wireless PC</translation>
    </message>
    <message>
        <source>書画カメラ</source>
        <translation>Document
camera</translation>
    </message>
    <message>
        <source>RGB入力</source>
        <translation>RGB input</translation>
    </message>
    <message>
        <source>世界対応VTR</source>
        <translation>Multi-
standard VTR</translation>
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
        <translation>No video</translation>
    </message>
    <message>
        <source>デスクトップPC</source>
        <comment>short</comment>
        <translation>Desktop</translation>
    </message>
    <message>
        <source>ノートPC</source>
        <comment>short</comment>
        <translation>Notebook</translation>
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
        <translation>Power
ON</translation>
    </message>
    <message>
        <source>電源
OFF</source>
        <translation>Power
OFF</translation>
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
        <translation>Projectors take time to switch on and off. Please check before you press.</translation>
    </message>
    <message>
        <source>終了確認</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>システムの終了前に、「DVD/VTR」、「DVD」等のソースやカセット類を取り出して下さい。システムを終了致します。よろしいですか？</source>
        <translation>Before shutting down, take any discs or tapes out of sources such as the DVD/VTR and DVD. The system will now shut down. Are you sure?</translation>
    </message>
    <message>
        <source>終了実行</source>
        <translation>Exit now</translation>
    </message>
    <message>
        <source>終了
実行</source>
        <translation>Exit
now</translation>
    </message>
    <message>
        <source>決定</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>リモコン操作</source>
        <translation>Remote control</translation>
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
        <translation>Closes this panel.</translation>
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
        <translation>Turns mute on or off.</translation>
    </message>
    <message>
        <source>CD/MDプレーヤーの操作</source>
        <translation>CD/MD player control</translation>
    </message>
    <message>
        <source>プログラムを終了します</source>
        <translation>Exits the program.</translation>
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
        <translation>Sends the monitor picture to the left screen.</translation>
    </message>
    <message>
        <source>モニターの映像を右側スクリーンへ送出します</source>
        <translation>Sends the monitor picture to the right screen.</translation>
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
        <translation>Remote for DVD/VTR</translation>
    </message>
    <message>
        <source>「世界対応VTR」のリモコン</source>
        <translation>Remote for Multi-standard VTR</translation>
    </message>
    <message>
        <source>「DVD」のリモコン</source>
        <translation>Remote for DVD</translation>
    </message>
    <message>
        <source>「ドームカメラ」のリモコン</source>
        <translation>Remote for Dome camera</translation>
    </message>
    <message>
        <source>モニターに「デスクトップPC」の映像を表示します</source>
        <translation>Shows Desktop PC on the monitor.</translation>
    </message>
    <message>
        <source>モニターに「ノートPC」の映像を表示します</source>
        <translation>Shows Notebook PC on the monitor.</translation>
    </message>
    <message>
        <source>モニターに「ワイヤレスPC」の映像を表示します</source>
        <translation>Shows Wireless PC on the monitor.</translation>
    </message>
    <message>
        <source>モニターに「書画カメラ」の映像を表示します</source>
        <translation>Shows Document camera on the monitor.</translation>
    </message>
    <message>
        <source>モニターに「RGB入力」の映像を表示します</source>
        <translation>Shows RGB input on the monitor.</translation>
    </message>
    <message>
        <source>モニターに「DVD/VTR」の映像を表示します</source>
        <translation>Shows DVD/VTR on the monitor.</translation>
    </message>
    <message>
        <source>モニターに「世界対応VTR」の映像を表示します</source>
        <translation>Shows Multi-standard VTR on the monitor.</translation>
    </message>
    <message>
        <source>モニターに「DVD」の映像を表示します</source>
        <translation>Shows DVD on the monitor.</translation>
    </message>
    <message>
        <source>モニターに「スタンドカメラ」の映像を表示します</source>
        <translation>Shows Stand camera on the monitor.</translation>
    </message>
    <message>
        <source>モニターに「ドームカメラ」の映像を表示します</source>
        <translation>Shows Dome camera on the monitor.</translation>
    </message>
    <message>
        <source>モニターに「ビデオ入力」の映像を表示します</source>
        <translation>Shows Video input on the monitor.</translation>
    </message>
    <message>
        <source>送出 左側スクリーンへ</source>
        <translation>Send to left screen</translation>
    </message>
    <message>
        <source>送出 右側スクリーンへ</source>
        <translation>Send to right screen</translation>
    </message>
    <message>
        <source>電源 ON 左側プロジェクター</source>
        <translation>Power ON, left projector</translation>
    </message>
    <message>
        <source>電源 OFF 左側プロジェクター</source>
        <translation>Power OFF, left projector</translation>
    </message>
    <message>
        <source>電源 ON 右側プロジェクター</source>
        <translation>Power ON, right projector</translation>
    </message>
    <message>
        <source>電源 OFF 右側プロジェクター</source>
        <translation>Power OFF, right projector</translation>
    </message>
    <message>
        <source>×Close プロジェクタ電源を閉じる</source>
        <translation>×Close the projector panel</translation>
    </message>
    <message>
        <source>×Close CD/MD操作を閉じる</source>
        <translation>×Close the CD/MD panel</translation>
    </message>
    <message>
        <source>×Close 終了確認を閉じる</source>
        <translation>×Close the exit panel</translation>
    </message>
    <message>
        <source>機器を選択して下さい。</source>
        <translation>Please
select a
device.</translation>
    </message>
    <message>
        <source>操作は実機にて行って下さい。</source>
        <translation>Please
use the
device
itself.</translation>
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
</context>
</TS>
