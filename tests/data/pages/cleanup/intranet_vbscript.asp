<%@ LANGUAGE="VBSCRIPT" %>
<%
Option Explicit
Dim strUser, intCount
strUser = Request.ServerVariables("LOGON_USER")
If strUser = "" Then strUser = "guest"
%>
<HTML>
<HEAD>
<TITLE>Staff pages - Leave requests</TITLE>
<META NAME="keywords" CONTENT="intranet, leave, staff">
<STYLE TYPE="text/css">
<!--
BODY { font-family: Tahoma, Arial; font-size: 10pt }
TH{background:#DDDDEE;text-align:left}
.late{color:red;font-weight:bold}
-->
</STYLE>
<SCRIPT LANGUAGE="VBScript">
<!--
Option Explicit
Dim daysLeft
daysLeft = 12

Public Function CheckDays( ByVal requested )
   If requested > daysLeft Then
      MsgBox "Only " & daysLeft & " days left , sorry" , 48 , "Leave"
      CheckDays = False
   ElseIf requested <= 0 Then
      CheckDays = False
   Else
      CheckDays = True
   End If
End Function

Sub Form_OnSubmit()
   Dim n , i
   n = CInt( Document.forms(0).days.value )
   Select Case n
      Case 1 , 2
         window.status = "short leave"
      Case Else
         window.status = "long leave"
   End Select
   For i = 1 To 3
      If i = n Then Exit For
   Next
   Do While n > 100
      n = n - 100
   Loop
   If Not CheckDays( n ) Then window.event.returnValue = False ' stop the form
End Sub
'-->
</SCRIPT>
<SCRIPT LANGUAGE="JavaScript">
function toggle(id) {
  var el = document.getElementById(id);
  if (el) { el.style.display = (el.style.display == "none") ? "" : "none"; }
  return false;
}
</SCRIPT>
</HEAD>
<BODY>
<H1>Leave requests for <%= Server.HTMLEncode(strUser) %></H1>
<P>You have <B>12</B> days left this year. Requests sent after the 15th are dealt with next month.</P>
<TABLE BORDER="1" CELLSPACING="0" CELLPADDING="4" WIDTH="90%">
<TR><TH>From</TH><TH>To</TH><TH>Days</TH><TH>State</TH></TR>
<% For intCount = 1 To 3 %>
<TR><TD>0<%= intCount %>.07.2001</TD><TD>0<%= intCount + 1 %>.07.2001</TD><TD>1</TD><TD CLASS="late">open</TD></TR>
<% Next %>
</TABLE>
<P><A HREF="#" ONCLICK="return toggle('help');">Show the rules</A></P>
<DIV ID="help" STYLE="display: none">
<UL>
<LI>Ask at least two weeks ahead.
<LI>More than 10 days in a row need the head of department's signature.
</UL>
</DIV>
<FORM ACTION="leave.asp" METHOD="post" NAME="leave">
<P>Days: <INPUT TYPE="text" NAME="days" SIZE="4" VALUE="1">
<INPUT TYPE="submit" VALUE="Send request"></P>
</FORM>
<!-- #include file="footer.inc" -->
</BODY>
</HTML>
