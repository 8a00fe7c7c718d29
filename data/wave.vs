' ”g•¶š: ”g‚ª•¶š‚Ìã‚ğ—¬‚ê‚Ü‚·B
Dim mivoWaveTimer

Sub window_onload()
    If Not IsEmpty(mivoWaveTimer) Then window.clearTimeout mivoWaveTimer
    document.all("[MIVO ID]").filters.item("Wave").phase = 0
    Call mivo_wave_move()
End Sub

Sub mivo_wave_move()
    Dim wave
    Set wave = document.all("[MIVO ID]").filters.item("Wave")
    ' phase ‚Í 0 ‚©‚ç 100 ‚Ü‚Å‚ÌŠ„‡
    wave.phase = (wave.phase + 5) Mod 100
    mivoWaveTimer = window.setTimeout("mivo_wave_move()", 80, "VBScript")
End Sub
