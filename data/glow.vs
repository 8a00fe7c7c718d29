' ”R‚¦‚é•¶Žš: Œõ‚ª‹­‚­‚È‚Á‚½‚èŽã‚­‚È‚Á‚½‚è‚µ‚Ü‚·B
Dim mivoGlowTimer
Dim mivoGlowStep

Sub window_onload()
    If Not IsEmpty(mivoGlowTimer) Then window.clearTimeout mivoGlowTimer
    mivoGlowStep = 1
    document.all("[MIVO ID]").filters.item("Glow").strength = 1
    Call mivo_glow_pulse()
End Sub

Sub mivo_glow_pulse()
    Dim glow
    Set glow = document.all("[MIVO ID]").filters.item("Glow")
    If glow.strength >= 10 Then mivoGlowStep = -1
    If glow.strength <= 1 Then mivoGlowStep = 1
    glow.strength = glow.strength + mivoGlowStep
    mivoGlowTimer = window.setTimeout("mivo_glow_pulse()", 100, "VBScript")
End Sub
