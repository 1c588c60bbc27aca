object DesignedForm: TTestDesignedForm
  Caption = 'Δήλωση'
  Color = clWhite
  object Header: TTestItem
    Caption = 'ΑΝΑΛΥΤΙΚΗ ΠΕΡΙΟΔΙΚΗ ΔΗΛΩΣΗ'
    OnClick = HeaderClick
    Link = Total
    object Total: TTestItem
      Amount = 0.0c
      Font.Name = 'Arial'
      Font.Height = -12
      Font.Charset = GREEK_CHARSET
      ParentFont = False
    end
  end
  object Source: TTestSource
    Table = 'Payment.db'
    Left = 16
    Top = 8
  end
end
