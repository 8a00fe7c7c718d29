<SCRIPT TYPE="text/vbscript">
' ダイアログボックス: Open ボタンで、指定のページをモーダル ダイアログで開きます。
Sub mivo_open()
    window.showModalDialog "[html_file]", "", "dialogWidth:500px;dialogHeight:400px;center:yes;help:no;status:no"
End Sub
</SCRIPT>
