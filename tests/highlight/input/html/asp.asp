<%@ LANGUAGE="VBScript" %>
<%
Dim count
count = Request.Form("count")
If count = "" Then count = 0 ' default
Response.Write "<p>" & count & "</p>"
%>
<HTML><BODY>
<P>Count: <%= count %></P>
<SCRIPT LANGUAGE="VBScript">
Sub Window_OnLoad()
  MsgBox "Loaded", vbOKOnly
End Sub
</SCRIPT>
</BODY></HTML>
