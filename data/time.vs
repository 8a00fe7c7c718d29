' 時刻表示: 一秒ごとに時刻を表示し、STOP で止まります。
Dim mivoClockTimer

Sub window_onload()
    Call mivo_clock_tick()
End Sub

Sub mivo_clock_tick()
    document.all("TimeArea").innerText = FormatDateTime(Now, vbLongTime)
    mivoClockTimer = window.setTimeout("mivo_clock_tick()", 1000, "VBScript")
End Sub

Sub gostop()
    If Not IsEmpty(mivoClockTimer) Then window.clearTimeout mivoClockTimer
    mivoClockTimer = Empty
End Sub
