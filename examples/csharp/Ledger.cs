using System;
using System.Collections.Generic;

namespace Accounts
{
    /// <summary>A running ledger of signed amounts.</summary>
    public class Ledger
    {
        private readonly List<decimal> entries = new List<decimal>();

        /// <summary>The sum of all entries.</summary>
        public decimal Balance
        {
            get { return Total(); }
        }

        /// <summary>Records one amount.</summary>
        public void Post(decimal amount)
        {
            entries.Add(amount);
        }

        private decimal Total()
        {
            decimal sum = 0;
            foreach (decimal e in entries)
            {
                sum += e;
            }
            return sum;
        }
    }
}
