inherited DerivedForm: TTestDerivedForm
  Caption = 'Παράγωγη'
  inherited Header: TTestItem
    object Extra: TTestItem
      Number = 3
    end
  end
end
