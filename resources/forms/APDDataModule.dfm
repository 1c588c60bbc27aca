object APDDataModule: TAPDDataModule
  OnCreate = DataModuleCreate
  object dbAPD: TDatabase
    DatabaseName = 'DovraAPD'
    DriverName = 'STANDARD'
    Params.Strings = (
      'DEFAULT DRIVER=PARADOX'
      'ENABLE BCD=FALSE')
    LoginPrompt = False
    KeepConnection = False
    SessionName = 'Default'
  end
  object tbEmployes: TTable
    FilterOptions = [foCaseInsensitive]
    BeforeInsert = tbEmployesBeforeInsert
    DatabaseName = 'DovraAPD'
    TableName = 'Employes.Db'
    StoreDefs = True
    FieldDefs = <
      item
        Name = 'ΑΦΜ'
        DataType = ftString
        Size = 9
        Required = True
      end
      item
        Name = 'ΑΜΕ'
        DataType = ftString
        Size = 10
      end
      item
        Name = 'ΕΠΩΝΥΜΙΑ'
        DataType = ftString
        Size = 80
      end
      item
        Name = 'ΟΔΟΣ'
        DataType = ftString
        Size = 20
      end
      item
        Name = 'ΑΡΙΘΜΟΣ'
        DataType = ftString
        Size = 5
      end
      item
        Name = 'ΠΟΛΗ'
        DataType = ftString
        Size = 20
      end
      item
        Name = 'ΤΚ'
        DataType = ftString
        Size = 5
      end>
    IndexDefs = <
      item
        Name = 'tbEmployesIndex1'
        Fields = 'ΑΦΜ'
        Options = [ixPrimary, ixUnique]
      end
      item
        Name = 'ΕΠΩΝΥΜΙΑ'
        Fields = 'ΕΠΩΝΥΜΙΑ'
      end>
    object tbEmployesField1: TStringField
      Tag = 1
      FieldName = 'ΑΦΜ'
      ValidChars = '0123456789'
      Required = True
      Size = 9
    end
    object tbEmployesField2: TStringField
      Tag = 1
      FieldName = 'ΑΜΕ'
      ValidChars = '0123456789'
      Size = 10
    end
    object tbEmployesField3: TStringField
      Tag = 2
      FieldName = 'ΕΠΩΝΥΜΙΑ'
      DisplayWidth = 50
      Size = 80
    end
    object tbEmployesField4: TStringField
      Tag = 3
      FieldName = 'ΟΔΟΣ'
    end
    object tbEmployesField5: TStringField
      Tag = 3
      FieldName = 'ΑΡΙΘΜΟΣ'
      Size = 5
    end
    object tbEmployesField6: TStringField
      Tag = 4
      FieldName = 'ΠΟΛΗ'
    end
    object tbEmployesField7: TStringField
      Tag = 4
      FieldName = 'ΤΚ'
      ValidChars = '0123456789'
      Size = 5
    end
  end
  object tbEmployers: TTable
    FilterOptions = [foCaseInsensitive]
    BeforeInsert = tbEmployesBeforeInsert
    OnCalcFields = tbEmployersCalcFields
    DatabaseName = 'DovraAPD'
    TableName = 'Employers.db'
    StoreDefs = True
    FieldDefs = <
      item
        Name = 'ΑΡΙΘΜ.ΜΗΤΡΩΟΥ ΑΣΦ.'
        DataType = ftString
        Size = 9
        Required = True
      end
      item
        Name = 'Α.Μ.Κ.Α.'
        DataType = ftString
        Size = 11
      end
      item
        Name = 'ΕΠΩΝΥΜΟ'
        DataType = ftString
        Size = 20
      end
      item
        Name = 'ΟΝΟΜΑ'
        DataType = ftString
        Size = 20
      end
      item
        Name = 'ΟΝΟΜΑ ΠΑΤΡΟΣ'
        DataType = ftString
        Size = 20
      end
      item
        Name = 'ΟΝΟΜΑ ΜΗΤΡΟΣ'
        DataType = ftString
        Size = 20
      end
      item
        Name = 'ΗΜ/ΝΙΑ ΓΕΝΝΗΣΗΣ'
        DataType = ftDate
      end
      item
        Name = 'Α.Φ.Μ.'
        DataType = ftString
        Size = 9
      end
      item
        Name = 'ΕΓΓΑΜΟΣ'
        DataType = ftBoolean
      end
      item
        Name = 'ΑΡΙΘΜΟΣ ΤΡΙΕΤΙΩΝ'
        DataType = ftSmallint
      end
      item
        Name = 'ΚΩΔΙΚΟΣ ΕΙΔΙΚΟΤΗΤΑΣ'
        DataType = ftString
        Size = 6
      end
      item
        Name = 'ΠΑΚΕΤΟ ΚΑΛΥΨΗΣ'
        DataType = ftString
        Size = 3
      end
      item
        Name = 'ΥΠΟΚ/ΜΑ ΙΚΑ'
        DataType = ftString
        Size = 3
      end
      item
        Name = 'ΕΠΙΔΟΜΑ(%)'
        DataType = ftFloat
      end
      item
        Name = 'ΠΕΡΙΓΡΑΦΗ'
        DataType = ftString
        Size = 25
      end>
    IndexDefs = <
      item
        Name = 'tbEmployersIndex1'
        Fields = 'ΑΡΙΘΜ.ΜΗΤΡΩΟΥ ΑΣΦ.'
        Options = [ixPrimary, ixUnique]
      end
      item
        Name = 'Ονομαστικά'
        Fields = 'ΕΠΩΝΥΜΟ;ΟΝΟΜΑ'
        Options = [ixCaseInsensitive]
      end
      item
        Name = 'Περιγραφη'
        Fields = 'ΠΕΡΙΓΡΑΦΗ'
      end>
    object tbEmployersField1: TStringField
      Tag = 1
      FieldName = 'ΑΡΙΘΜ.ΜΗΤΡΩΟΥ ΑΣΦ.'
      ValidChars = '0123456789'
      Required = True
      Size = 9
    end
    object tbEmployersField2: TStringField
      Tag = 1
      FieldName = 'Α.Μ.Κ.Α.'
      ValidChars = '0123456789'
      Size = 11
    end
    object tbEmployersField3: TStringField
      Tag = 2
      FieldName = 'ΕΠΩΝΥΜΟ'
    end
    object tbEmployersField4: TStringField
      Tag = 2
      FieldName = 'ΟΝΟΜΑ'
    end
    object tbEmployersField5: TStringField
      Tag = 2
      FieldName = 'ΟΝΟΜΑ ΠΑΤΡΟΣ'
    end
    object tbEmployersField6: TStringField
      Tag = 2
      FieldName = 'ΟΝΟΜΑ ΜΗΤΡΟΣ'
    end
    object tbEmployersField7: TDateField
      Tag = 2
      FieldName = 'ΗΜ/ΝΙΑ ΓΕΝΝΗΣΗΣ'
      DisplayFormat = 'dd/mm/yyyy'
    end
    object tbEmployersField8: TStringField
      Tag = 2
      FieldName = 'Α.Φ.Μ.'
      ValidChars = '0123456789'
      Size = 9
    end
    object tbEmployersField9: TBooleanField
      Tag = 3
      FieldName = 'ΕΓΓΑΜΟΣ'
      DisplayLabel = 'ΑΓΑΜΟΣ;ΕΓΓΑΜΟΣ'
      DefaultExpression = 'False'
      DisplayValues = 'ΕΓΓΑΜΟΣ;ΑΓΑΜΟΣ'
    end
    object tbEmployersField10: TSmallintField
      Tag = 3
      FieldName = 'ΑΡΙΘΜΟΣ ΤΡΙΕΤΙΩΝ'
      DisplayWidth = 2
    end
    object tbEmployersField11: TStringField
      Tag = 3
      FieldName = 'ΚΩΔΙΚΟΣ ΕΙΔΙΚΟΤΗΤΑΣ'
      ValidChars = '0123456789'
      Size = 6
    end
    object tbEmployersField12: TStringField
      Tag = 3
      FieldName = 'ΠΑΚΕΤΟ ΚΑΛΥΨΗΣ'
      EditMask = '000;0;_'
      ValidChars = '0123456789'
      LookupResultField = 'ΠΑΚΕΤΟ ΚΑΛΥΨΗΣ'
      LookupDataSet = tbInsCasesLookUp
      Size = 3
    end
    object tbEmployersField13: TStringField
      Tag = 4
      FieldName = 'ΥΠΟΚ/ΜΑ ΙΚΑ'
      ValidChars = '0123456789'
      LookupResultField = 'ΚΩΔΙΚΟΣ'
      LookupDataSet = tbIkaOffices
      Size = 3
    end
    object tbEmployersField14: TFloatField
      Tag = 4
      FieldName = 'ΕΠΙΔΟΜΑ(%)'
    end
    object tbEmployersField15: TStringField
      FieldName = 'ΠΕΡΙΓΡΑΦΗ'
      Size = 25
    end
    object tbEmployersp: TCurrencyField
      Tag = 4
      FieldName = 'p'
      FieldKind = fkLookup
      Visible = False
      KeyFields = 'ΚΩΔΙΚΟΣ ΕΙΔΙΚΟΤΗΤΑΣ;ΕΓΓΑΜΟΣ;ΑΡΙΘΜΟΣ ΤΡΙΕΤΙΩΝ'
      LookupKeyFields = 'ΚΩΔΙΚΟΣ ΕΙΔΙΚΟΤΗΤΑΣ;ΕΓΓΑΜΟΣ;ΑΡΙΘΜΟΣ ΤΡΙΕΤΙΩΝ'
      LookupResultField = 'ΑΠΟΔΟΧΕΣ'
      LookupDataSet = tbPaymentLookUp
    end
    object tbEmployersDailyWage: TCurrencyField
      Tag = 4
      FieldName = 'ΗΜΕΡΟΜΗΣΘΙΟ'
      FieldKind = fkCalculated
    end
  end
  object tbIkaOffices: TTable
    FilterOptions = [foCaseInsensitive]
    BeforeInsert = tbEmployesBeforeInsert
    DatabaseName = 'DovraAPD'
    TableName = 'IkaOffices.Db'
    ReadOnly = True
    StoreDefs = True
    FieldDefs = <
      item
        Name = 'ΚΩΔΙΚΟΣ'
        DataType = ftString
        Size = 3
        Required = True
      end
      item
        Name = 'ΟΝΟΜΑΣΙΑ'
        DataType = ftString
        Size = 40
        Required = True
      end
      item
        Name = 'ΤΗΛΕΦΩΝΟ'
        DataType = ftString
        Size = 25
      end>
    IndexDefs = <
      item
        Name = 'primary'
        Fields = 'ΚΩΔΙΚΟΣ'
        Options = [ixPrimary, ixUnique]
      end
      item
        Name = 'ΟΝΟΜΑΣΙΑ'
        Fields = 'ΟΝΟΜΑΣΙΑ'
      end>
    object tbIkaOfficesField1: TStringField
      FieldName = 'ΚΩΔΙΚΟΣ'
      Required = True
      Size = 3
    end
    object tbIkaOfficesField2: TStringField
      FieldName = 'ΟΝΟΜΑΣΙΑ'
      Required = True
      Size = 40
    end
    object tbIkaOfficesField3: TStringField
      FieldName = 'ΤΗΛΕΦΩΝΟ'
      Size = 25
    end
  end
  object tbInsCases: TTable
    FilterOptions = [foCaseInsensitive]
    BeforeInsert = tbEmployesBeforeInsert
    DatabaseName = 'DovraAPD'
    TableName = 'InsCases'
    ReadOnly = True
    TableType = ttParadox
    StoreDefs = True
    FieldDefs = <
      item
        Name = 'ΠΑΚΕΤΟ ΚΑΛΥΨΗΣ'
        DataType = ftString
        Size = 3
      end
      item
        Name = 'ΕΙΔ. ΠΕΡΙΠΤ. ΑΣΦΑΛ.'
        DataType = ftInteger
      end
      item
        Name = 'ΠΕΡΙΓΡΑΦΗ'
        DataType = ftString
        Size = 255
      end
      item
        Name = 'ΕΙΣΦΟΡΑ ΕΡΓΑΖΟΜΕΝΟΥ'
        DataType = ftFloat
      end
      item
        Name = 'ΕΙΣΦΟΡΑ ΕΡΓΟΔΟΤΗ'
        DataType = ftFloat
      end>
    IndexDefs = <
      item
        Name = '<primary>'
        Fields = 'ΠΑΚΕΤΟ ΚΑΛΥΨΗΣ'
        Options = [ixPrimary, ixUnique]
      end>
    object tbInsCasesField1: TStringField
      Tag = 1
      FieldName = 'ΠΑΚΕΤΟ ΚΑΛΥΨΗΣ'
      Size = 3
    end
    object tbInsCasesField2: TIntegerField
      FieldName = 'ΕΙΔ. ΠΕΡΙΠΤ. ΑΣΦΑΛ.'
    end
    object tbInsCasesField3: TStringField
      Tag = 2
      FieldName = 'ΠΕΡΙΓΡΑΦΗ'
      Size = 255
    end
    object tbInsCasesField4: TFloatField
      Tag = 3
      FieldName = 'ΕΙΣΦΟΡΑ ΕΡΓΑΖΟΜΕΝΟΥ'
      DisplayFormat = '#.000%'
    end
    object tbInsCasesField5: TFloatField
      Tag = 3
      FieldName = 'ΕΙΣΦΟΡΑ ΕΡΓΟΔΟΤΗ'
      DisplayFormat = '#.000%'
    end
  end
  object tbPayment: TTable
    FilterOptions = [foCaseInsensitive]
    BeforeInsert = tbEmployesBeforeInsert
    DatabaseName = 'DovraAPD'
    TableName = 'Payment.db'
    ReadOnly = True
    StoreDefs = True
    FieldDefs = <
      item
        Name = 'ΚΩΔΙΚΟΣ ΕΙΔΙΚΟΤΗΤΑΣ'
        DataType = ftString
        Size = 6
      end
      item
        Name = 'ΕΓΓΑΜΟΣ'
        DataType = ftBoolean
      end
      item
        Name = 'ΑΡΙΘΜΟΣ ΤΡΙΕΤΙΩΝ'
        DataType = ftSmallint
      end
      item
        Name = 'ΑΠΟΔΟΧΕΣ'
        DataType = ftCurrency
      end>
    IndexDefs = <
      item
        Name = 'primary'
        Fields = 'ΚΩΔΙΚΟΣ ΕΙΔΙΚΟΤΗΤΑΣ;ΕΓΓΑΜΟΣ;ΑΡΙΘΜΟΣ ΤΡΙΕΤΙΩΝ'
        Options = [ixPrimary, ixUnique]
      end
      item
        Name = 'ΚΩΔΙΚΟΣ ΕΙΔΙΚΟΤΗΤΑΣ'
        Fields = 'ΚΩΔΙΚΟΣ ΕΙΔΙΚΟΤΗΤΑΣ'
      end
      item
        Name = 'ΕΓΓΑΜΟΣ'
        Fields = 'ΕΓΓΑΜΟΣ'
      end
      item
        Name = 'ΑΡΙΘΜΟΣ ΤΡΙΕΤΙΩΝ'
        Fields = 'ΑΡΙΘΜΟΣ ΤΡΙΕΤΙΩΝ'
      end
      item
        Name = 'ΑΠΟΔΟΧΕΣ'
        Fields = 'ΑΠΟΔΟΧΕΣ'
      end>
    object tbPaymentField1: TStringField
      FieldName = 'ΚΩΔΙΚΟΣ ΕΙΔΙΚΟΤΗΤΑΣ'
      Size = 6
    end
    object tbPaymentField2: TBooleanField
      FieldName = 'ΕΓΓΑΜΟΣ'
      DisplayValues = 'ΝΑΙ;ΟΧΙ'
    end
    object tbPaymentField3: TSmallintField
      FieldName = 'ΑΡΙΘΜΟΣ ΤΡΙΕΤΙΩΝ'
    end
    object tbPaymentField4: TCurrencyField
      FieldName = 'ΑΠΟΔΟΧΕΣ'
    end
  end
  object tbConPhase: TTable
    FilterOptions = [foCaseInsensitive]
    BeforeInsert = tbEmployesBeforeInsert
    DatabaseName = 'DovraAPD'
    TableName = 'ConPhase.db'
    ReadOnly = True
    StoreDefs = True
    FieldDefs = <
      item
        Name = 'ΙΔΙΩΤΙΚΑ/ΔΗΜΟΣΙΑ ΕΡΓΑ'
        DataType = ftBoolean
      end
      item
        Name = 'ΚΩΔΙΚΟΣ'
        DataType = ftString
        Size = 2
      end
      item
        Name = 'ΠΕΡΙΓΡΑΦΗ'
        DataType = ftString
        Size = 30
      end>
    IndexDefs = <
      item
        Name = 'primary'
        Fields = 'ΙΔΙΩΤΙΚΑ/ΔΗΜΟΣΙΑ ΕΡΓΑ;ΚΩΔΙΚΟΣ'
        Options = [ixPrimary, ixUnique]
      end>
    object tbConPhaseField1: TBooleanField
      FieldName = 'ΙΔΙΩΤΙΚΑ/ΔΗΜΟΣΙΑ ΕΡΓΑ'
      DisplayValues = 'ΙΔΙΩΤΙΚΑ ΕΡΓΑ;ΔΗΜΟΣΙΑ ΕΡΓΑ'
    end
    object tbConPhaseField2: TStringField
      FieldName = 'ΚΩΔΙΚΟΣ'
      Size = 2
    end
    object tbConPhaseField3: TStringField
      FieldName = 'ΠΕΡΙΓΡΑΦΗ'
      Size = 30
    end
  end
  object tbInsCasesLookUp: TTable
    DatabaseName = 'DovraAPD'
    TableName = 'InsCases.Db'
  end
  object tbPaymentLookUp: TTable
    DatabaseName = 'DovraAPD'
    TableName = 'Payment.db'
  end
  object tbTemp: TTable
    DatabaseName = 'DovraAPD'
  end
  object dsEmployes: TDataSource
    DataSet = tbEmployes
  end
  object dsIkaOffices: TDataSource
    DataSet = tbIkaOffices
  end
  object dsEmployers: TDataSource
    DataSet = tbEmployers
  end
  object dsConPhase: TDataSource
    DataSet = tbConPhase
  end
  object FieldEditor1: TFieldEditor
    DataField = 'ΚΩΔΙΚΟΣ ΕΙΔΙΚΟΤΗΤΑΣ'
    DataSource = dsEmployers
    OnCreateControl = FieldEditor1CreateControl
  end
end
