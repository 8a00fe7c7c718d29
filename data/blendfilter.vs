' ブレンドフィルタ: 最初の画像が、次の画像へ溶けるように移り変わります。
Sub window_onload()
    Dim picture
    Set picture = document.all("[IMGID]")
    If picture Is Nothing Then Exit Sub
    ' Reload のときも最初の画像から
    picture.src = "[GAZOU1]"
    If picture.filters.length = 0 Then
        picture.src = "[GAZOU2]"
        Exit Sub
    End If
    picture.filters.item(0).Apply
    picture.src = "[GAZOU2]"
    picture.filters.item(0).Play
End Sub
