' タイプライタ風の文字: 一文字ずつ打ち出し、打ち終えると少し休んで繰り返します。STOP で止まります。
Dim mivoTypeTimer
Dim mivoTypeText
Dim mivoTypeCount

Sub window_onload()
    ' Reload のときは、前の打ち出しを止めてから初めに戻ります
    Call gostop()
    mivoTypeText = "[naiyou]"
    mivoTypeCount = 0
    If document.all("typetext") Is Nothing Then Exit Sub
    document.all("typetext").value = ""
    Call mivo_type_tick()
End Sub

Sub mivo_type_tick()
    Dim area
    Set area = document.all("typetext")
    If area Is Nothing Then Exit Sub
    ' 打つ文字がなければ何もしません
    If Len(mivoTypeText) = 0 Then Exit Sub
    If mivoTypeCount >= Len(mivoTypeText) Then
        mivoTypeCount = 0
        mivoTypeTimer = window.setTimeout("mivo_type_tick()", 2000, "VBScript")
        Exit Sub
    End If
    mivoTypeCount = mivoTypeCount + 1
    area.value = Left(mivoTypeText, mivoTypeCount)
    mivoTypeTimer = window.setTimeout("mivo_type_tick()", 200, "VBScript")
End Sub

Sub gostop()
    If Not IsEmpty(mivoTypeTimer) Then window.clearTimeout mivoTypeTimer
    mivoTypeTimer = Empty
End Sub
