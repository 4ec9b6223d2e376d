' A comment
Option Explicit
Dim i, s
s = "a string with ""quotes"""
For i = 1 To 10 Step 2
  If i Mod 2 = 0 Then
    s = s & CStr(i)
  ElseIf i > 5 Then
    Exit For
  End If
Next
Function Twice(x)
  Twice = x * 2 REM a remark
End Function
