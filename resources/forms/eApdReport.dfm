object eApdReport: TeApdReport
  Left = 0
  Top = 0
  Caption = 'eApdReport'
  ClientWidth = 696
  ClientHeight = 1021
  object Report: TXFrame
    Maping = mpLoMetricMaping
    HorzSize = 1800
    VertSize = 2700
    Borders = []
    Caption = ''
    Alignment = taLeftJustify
    Layout = tlTop
    WordWrap = True
    HorzAnchor = haCenter
    HorzIdent = 0
    VertAnchor = vaCenter
    VertIdent = 0
    HeaderFooter = False
    Color = clWhite
    ParentColor = False
    ForceNewPage = False
    Flat = False
    Group = -1
    DropDownButton = False
  end
end
