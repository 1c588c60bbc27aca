inherited DateTimePopup: TDateTimePopup
  AutoSize = True
  Caption = 'DateTimePopup'
  ClientHeight = 154
  ClientWidth = 211
  object MonthCalendar1: TMonthCalendar
    Left = 0
    Top = 0
    Width = 211
    Height = 154
    TabOrder = 0
    OnClick = MonthCalendar1Click
    OnDblClick = MonthCalendar1DblClick
  end
end
