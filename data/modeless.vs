<SCRIPT TYPE="text/vbscript">
' ダイアログボックス: Open ボタンで、指定のページをモードレス ダイアログで開きます。
Sub mivo_open()
    window.showModelessDialog "[html_file]", "", "dialogWidth:500px;dialogHeight:400px;center:yes;help:no;status:no"
End Sub
</SCRIPT>
