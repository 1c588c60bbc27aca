object Page: TTestPage
  object Row1: TTestItem
    Number = 1750
    OnGetText = Row1GetText
  end
end
