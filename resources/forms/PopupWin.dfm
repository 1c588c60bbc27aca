object PopupWin: TPopupWin
  Left = 0
  Top = 0
  BorderStyle = bsNone
  Caption = 'PopupWin'
  ClientHeight = 254
  ClientWidth = 244
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  FormStyle = fsStayOnTop
  OnHide = FormHide
end
