<%@ LANGUAGE="VBScript" %>
<%
' Greets the visitor by the time of day and counts the visits of this
' session. Put it at the top of an .asp page.
Dim greeting
If Hour(Now) < 12 Then
    greeting = "Good morning"
ElseIf Hour(Now) < 18 Then
    greeting = "Good afternoon"
Else
    greeting = "Good evening"
End If
Session("visits") = Session("visits") + 1
%>
<P><%= greeting %>! This is your visit number <%= Session("visits") %> today.</P>
