' ﾏｳｽで色が変わる文字: ボタン MIVO0～MIVO9 の色とリンク先
Dim mivoLinks
mivoLinks = Array("[LINK0]", "[LINK1]", "[LINK2]", "[LINK3]", "[LINK4]", "[LINK5]", "[LINK6]", "[LINK7]", "[LINK8]", "[LINK9]")

Function mivo_button(n)
    Set mivo_button = document.all("MIVO" & n)
End Function

Sub go_in(n)
    mivo_button(n).style.color = "[color2]"
End Sub

Sub go_out(n)
    mivo_button(n).style.color = "[color1]"
End Sub

Sub go_link(n)
    ' リンク先のないボタンは何もしません
    If mivoLinks(n) <> "" Then window.location.href = mivoLinks(n)
End Sub
