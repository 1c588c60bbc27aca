object Root: TFuzzBox
  Number = 1745
  Big = 1099511627776
  Caption = 'Σελίδα'#13#10'δύο'
  Flag = True
  Ratio = 0.25
  Amount = 12.34c
  Kind = kdTwo
  Parts = [ptA, ptC]
  Color = clBtnFace
  Font.Name = 'Arial'
  Font.Height = -15
  Font.Style = [fsBold]
  Font.Charset = GREEK_CHARSET
  Lines.Strings = (
    'α'
    'β')
  Columns = <
    item
      Title = 'x'
      Width = 80
    end>
  OnClick = BoxClick
  object Panel: TFuzzBox
    Link = Later
    Left = 8
    Top = 16
    object Label: TFuzzBox
      Color = 16744576
    end
    inline Frame1: TFuzzFrame
      object Part: TFuzzBox
        Number = 9
      end
    end
  end
  inherited Later: TFuzzBox [0]
    Data = {DEAD}
    Ratio = 1.5s
  end
end
