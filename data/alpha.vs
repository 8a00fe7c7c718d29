' è¡Ç¶ÇÈï∂éö: ï∂éöÇ™ÇæÇÒÇæÇÒè¡Ç¶ÇƒÅAÇ‹ÇΩåªÇÍÇ‹Ç∑ÅB
Dim mivoAlphaTimer
Dim mivoAlphaStep

Sub window_onload()
    If Not IsEmpty(mivoAlphaTimer) Then window.clearTimeout mivoAlphaTimer
    mivoAlphaStep = -5
    document.all("[MIVO ID]").filters.item("Alpha").opacity = 100
    Call mivo_alpha_fade()
End Sub

Sub mivo_alpha_fade()
    Dim alpha
    Set alpha = document.all("[MIVO ID]").filters.item("Alpha")
    If alpha.opacity <= 0 Then mivoAlphaStep = 5
    If alpha.opacity >= 100 Then mivoAlphaStep = -5
    alpha.opacity = alpha.opacity + mivoAlphaStep
    mivoAlphaTimer = window.setTimeout("mivo_alpha_fade()", 60, "VBScript")
End Sub
