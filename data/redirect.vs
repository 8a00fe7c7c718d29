' リダイレクトフィルタ: 文字と画像のブロックを、アニメーション コントロールの中で回します。
Sub window_onload()
    Dim lib, img
    If document.all("DA_mivo") Is Nothing Or document.all("mivo_text") Is Nothing Then Exit Sub
    If mivo_text.filters.length = 0 Then Exit Sub
    Set lib = DA_mivo.PixelLibrary
    ' ブロックの絵を受け取り、一秒に 45 度ずつ回し続けます
    Set img = mivo_text.filters.item(0).elementImage()
    DA_mivo.Image = img.Transform(lib.Rotate2RateDegrees(45))
    ' Reload では角度 0 からやり直し
    DA_mivo.Start
End Sub
