' 影付き文字: 影が文字のまわりを回ります。
Dim mivoShadowTimer
Dim mivoShadowAngle

Sub window_onload()
    ' Reload でもう一度始めるときは、前の回転を止めてから
    If Not IsEmpty(mivoShadowTimer) Then window.clearTimeout mivoShadowTimer
    mivoShadowAngle = 0
    Call mivo_shadow_turn()
End Sub

Sub mivo_shadow_turn()
    Dim target
    Set target = document.all("[MIVO ID]")
    If target Is Nothing Then Exit Sub
    mivoShadowAngle = (mivoShadowAngle + 45) Mod 360
    target.filters.item("Shadow").direction = mivoShadowAngle
    mivoShadowTimer = window.setTimeout("mivo_shadow_turn()", 250, "VBScript")
End Sub
